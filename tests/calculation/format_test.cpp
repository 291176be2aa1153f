#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "calcunit.h"
#include "decimal_rendering.h"

namespace {

using calcunit::Extended;
using calcunit::FormatOhms;

TEST(FormatOhms, FixedAndExponentForms) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      // Everything below 0.05 shows as zero.
      {0, "0,0"}, {-0.0, "0,0"}, {5e-324, "0,0"}, {2.2250738585072014e-308, "0,0"}, {0.01, "0,0"},
      {0.04, "0,0"}, {std::nextafter(0.05, 0.0), "0,0"}, {0.05, "0,1"}, {0.15, "0,1"},
      // Ties and near-ties of the 17-digit rendering round up; carries.
      {0.25, "0,3"}, {0.35, "0,3"}, {0.45, "0,5"}, {0.95, "0,9"}, {0.96, "1,0"}, {1.25, "1,3"},
      {1.45, "1,5"}, {1.95, "2,0"}, {2.675, "2,7"}, {5, "5,0"}, {9.96, "10,0"}, {10.35, "10,4"},
      {10.85, "10,9"}, {15.85, "15,9"}, {99.95, "100,0"}, {12345678.94, "12345678,9"},
      // Long integer parts, up to the switch at 1e17.
      {123456789012345.67, "123456789012345,7"}, {1234567890123456.25, "1234567890123456,3"},
      {2251799813685248.5, "2251799813685248,5"}, {9999999999999998, "9999999999999998,0"},
      {1e16, "10000000000000000,0"}, {99999999999999990.0, "99999999999999984,0"},
      {1e17, "1E17"}, {123456789012345678.0, "1,23456789012346E17"},
      // The near-half rule at 15 digits: ...4992 and ...49984 round up, ...4976
      // does not, and 18 digits are too few for it.
      {1000000000000004992, "1,00000000000001E18"}, {32981017828302249984.0, "3,29810178283023E19"},
      {1000000000000014976, "1,00000000000001E18"},
      {100000000000000480, "1E17"},
      {2.5e20, "2,5E20"}, {999999999999999868928.0, "1E21"}, {1e22, "1E22"}, {1e300, "1E300"},
      {1.5e300, "1,5E300"}, {1.7976931348623157e308, "1,79769313486232E308"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatOhms(c.value), c.text) << std::hexfloat << c.value;
  }
}

TEST(FormatOhms, OutsideTheCallersContract) {
  EXPECT_EQ(FormatOhms(-1.45), "-1,5");
  EXPECT_THROW(FormatOhms(NAN), EInvalidOp);
  EXPECT_THROW(FormatOhms(INFINITY), EInvalidOp);
}

// Every value x.y5 from 0.05 to 99.95: its double rounds up when it lies on or
// above the half; of those below, only 1.45, 1.95 and 10.35 to 15.85 in steps
// of 0.5 render as the half itself at 17 digits and round up too.
TEST(FormatOhms, HalvesAtTheSecondDecimal) {
  for (int tenths = 0; tenths < 1000; ++tenths) {
    const int hundredths = 10 * tenths + 5;
    const double value = hundredths / 100.0;
    const bool below = Extended{value} * 100 < hundredths;  // exact in extended
    const bool listed = hundredths == 145 || hundredths == 195 ||
                        (hundredths >= 1035 && hundredths <= 1585 && hundredths % 50 == 35);
    const int shown = below && !listed ? tenths : tenths + 1;
    EXPECT_EQ(FormatOhms(value), std::to_string(shown / 10) + ',' + std::to_string(shown % 10))
        << hundredths;
  }
}

// Random positive finite doubles: every exponent alike; short decimals such
// as measured values are typed; and short binary fractions, whose expansions
// end near the 21st digit (exact ties of the first rounding among them).
class RandomValues {
 public:
  double Next() {
    switch (++count_ % 3) {
      case 0:
        return static_cast<double>(engine_() % 100000000) / 1000.0;
      case 1:
        return std::ldexp(static_cast<double>(engine_() % (1u << 24) | 1u), -static_cast<int>(engine_() % 20) - 30);
      default:
        const std::uint64_t bits = engine_() & 0x7FFFFFFFFFFFFFFFu;
        return (bits >> 52) == 0x7FF ? Next() : std::bit_cast<double>(bits);
    }
  }

 private:
  std::mt19937_64 engine_{4711};
  int count_ = 0;
};

std::string ToChars(double value, int precision) {
  char buffer[800];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, precision).ptr;
  return std::string(buffer, end);
}

// The exact expansion and first rounding against the standard library's exact
// conversion: digits, exponent and the digit count L, which the near-half
// rule reads.
TEST(DecimalRendering, FirstRoundingMatchesExactConversion) {
  // Ahead of the random draws: a 5 as 22nd digit whose tie only the 23rd
  // digit breaks.
  std::vector<double> inputs = {0x1.8935c800e8618p+73};
  RandomValues values;
  for (int i = 0; i < 3000; ++i) inputs.push_back(values.Next());
  for (const double value : inputs) {
    if (value == 0) continue;
    // "d.ddd...e±x": all 767 digits are exact for every double.
    const std::string exact = ToChars(value, 766);
    const std::string rounded = ToChars(value, 20);
    const std::string exact_digits = exact.substr(0, 1) + exact.substr(2, 766);
    const std::string rounded_digits = rounded.substr(0, 1) + rounded.substr(2, 20);
    const int exponent = std::stoi(rounded.substr(rounded.find('e') + 1)) + 1;
    const int exact_exponent = std::stoi(exact.substr(exact.find('e') + 1)) + 1;

    // L counts integer digits, trailing zeros too; after a carry it ends at
    // the digit that took it.
    int length = std::max(static_cast<int>(exact_digits.find_last_not_of('0')) + 1, exact_exponent);
    if (length > 21) {
      const bool truncated = rounded_digits == exact_digits.substr(0, 21) && exponent == exact_exponent;
      length = truncated ? 21 : static_cast<int>(rounded_digits.find_last_not_of('0')) + 1;
    }
    const calcunit::DigitString rendering = calcunit::RoundTo21(calcunit::ExpandExactly(value));
    std::string digits;
    for (int p = 1; p <= 21; ++p) digits += static_cast<char>('0' + rendering.Digit(p));
    SCOPED_TRACE(testing::Message() << std::hexfloat << value << " " << exact.substr(0, 30));
    EXPECT_EQ(digits, rounded_digits);
    EXPECT_EQ(rendering.exponent, exponent);
    EXPECT_EQ(rendering.length, length);
  }
}

// Every text obeys the result grammar and lies within the rounding of the
// form from the value: 0.05 (plus what the 17-digit rendering adds) for the
// fixed form, half a unit of the 15th digit for the exponent form.
TEST(FormatOhms, GrammarAndAccuracy) {
  const std::regex fixed("(0|[1-9][0-9]{0,16}),[0-9]");
  const std::regex exponent("[1-9](,[0-9]{0,13}[1-9])?E(1[7-9]|[2-9][0-9]|[12][0-9]{2}|30[0-8])");
  RandomValues values;
  for (int i = 0; i < 3000; ++i) {
    const double value = values.Next();
    const std::string text = FormatOhms(value);
    std::string point = text;
    std::replace(point.begin(), point.end(), ',', '.');
    const Extended shown = std::strtold(point.c_str(), nullptr);
    const Extended error = std::fabs(shown - value);
    if (value < 1e17) {
      EXPECT_TRUE(std::regex_match(text, fixed)) << text;
      EXPECT_LE(error, 0.05L + 1e-15L * value) << text << " " << value;
    } else {
      EXPECT_TRUE(std::regex_match(text, exponent)) << text;
      EXPECT_LE(error, 5.1e-15L * shown) << text << " " << value;
    }
  }
}

}  // namespace
