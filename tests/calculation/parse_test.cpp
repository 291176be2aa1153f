#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "calcunit.h"

namespace {

using calcunit::HasDigit;
using calcunit::TryParseOhms;
using namespace std::string_literals;

const std::string kMinus = "\xE2\x88\x92";  // U+2212 MINUS SIGN
constexpr double kMaxDouble = std::numeric_limits<double>::max();
constexpr double kMinSubnormal = std::numeric_limits<double>::denorm_min();
constexpr double kTwo63 = 9223372036854775808.0;

// Equal bit for bit, so that -0 and +0 differ.
::testing::AssertionResult SameDouble(double actual, double expected) {
  if (std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << std::hexfloat << actual << " instead of " << expected << std::defaultfloat;
}

std::string Printable(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x21 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      static const char kHex[] = "0123456789ABCDEF";
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out.size() > 80 ? out.substr(0, 60) + "... (" + std::to_string(text.size()) + " bytes)" : out;
}

TEST(HasDigit, LooksForAsciiDigitsAnywhere) {
  struct Case {
    std::string text;
    bool expected;
  };
  const Case cases[] = {
      {"", false},           {"abc", false},       {"e.-", false},
      {"0", true},           {"9", true},          {"abc7", true},
      {"\0" "5"s, true},     {"/:", false},        {"\xEF\xBC\x95", false},  // fullwidth 5
      {"\xD9\xA5", false},  // Arabic-Indic 5
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HasDigit(c.text), c.expected) << Printable(c.text);
  }
}

struct Accepted {
  std::string text;
  double value;
};

void ExpectAccepted(const Accepted& c) {
  double value = 42.0;
  ASSERT_TRUE(TryParseOhms(c.text, value)) << Printable(c.text);
  EXPECT_TRUE(SameDouble(value, c.value)) << Printable(c.text);
}

void ExpectRejected(const std::string& text) {
  double value = 42.0;
  EXPECT_FALSE(TryParseOhms(text, value)) << Printable(text);
  EXPECT_TRUE(SameDouble(value, 0.0)) << Printable(text);
}

TEST(TryParseOhms, AcceptsTheLenientForms) {
  const Accepted cases[] = {
      {"5", 5},
      {"+5", 5},
      {"-5", -5},
      {kMinus + "5", -5},
      {"12,5", 12.5},
      {" 12,5 ", 12.5},
      {"\t12.5\r\n", 12.5},
      {"\0\x01\x1f 12,5\0"s, 12.5},
      {"1,000", 1},
      {"5.", 5},
      {"5,", 5},
      {".5", 0.5},
      {",5", 0.5},
      {"0,1", 0.1},
      {"1E3", 1000},
      {"1e+3", 1000},
      {"1e03", 1000},
      {"1e-3", 0.001},
      {"1e+", 1},
      {"1e-", 1},
      {"1,5e2", 150},
      {"1,5e" + kMinus + "3", 0.0015},
      {kMinus + "1,5e" + kMinus + "3", -0.0015},
      {"0001e0000000002", 100},
      // Leading zeros are not significant on either side of the point.
      {"0,0000000000000000000000000000000000000001e40", 1},
  };
  for (const Accepted& c : cases) ExpectAccepted(c);
}

TEST(TryParseOhms, ZerosKeepTheSignOfTheText) {
  const Accepted cases[] = {
      {"0", 0.0},      {"000", 0.0},    {"0,0", 0.0},     {"-0", -0.0},    {"-0,0", -0.0},
      {"e5", 0.0},     {".e5", 0.0},    {"+.e2", 0.0},    {"E0", 0.0},     {"-e1", -0.0},
      {"0e99999", 0.0}, {"-0e99999999999999999999", -0.0},
  };
  for (const Accepted& c : cases) ExpectAccepted(c);
}

TEST(TryParseOhms, RejectsEverythingElse) {
  const std::string cases[] = {
      // Nothing, or no ASCII digit.
      "", "   ", "\t\r\n", "\0"s, ".", "-", "+", "-.", "e", "abc", "Inf", "-inf", "NaN",
      "Infinity", "\xEF\xBC\x95" /* fullwidth 5 */,
      // Only U+2212 stands for a minus: not twice, not truncated, no other dash.
      kMinus + kMinus + "5", "\xE2\x88" "55" /* first two bytes */, "\xE2\x80\x93" "5" /* en dash */,
      "\xE2\x80\x90" "5" /* hyphen */, "\xE2\x80\x92" "5" /* figure dash */,
      "\xE2\x80\x94" "5" /* em dash */, "\xEF\xB9\xA3" "5" /* small hyphen-minus */,
      "\xEF\xBC\x8D" "5" /* fullwidth hyphen-minus */,
      // Only bytes up to 0x20 are trimmed, and only at the ends.
      "\xC2\xA0" "12,5", "12,5\xC2\xA0", "\x7f" "5", "5\0 5"s, "1 000", "12 .5", "- 5", "1e 3",
      // Grammar.
      "1.000,5", "1.2.3", "1e", ".5e", "1e+-3", "1e3.5", "1e5x", "1d3", "+-5", "--5", "5-",
      "0x10", "$10", "10h", "5%", "5abc", "Inf5",
  };
  for (const std::string& text : cases) ExpectRejected(text);
}

TEST(TryParseOhms, RoundsFirstToExtendedThenToDouble) {
  const Accepted cases[] = {
      {"1e308", 1e308},
      {"7,7835280694e-31", std::nextafter(7.7835280694e-31, 1.0)},
      {"1,000000000000000111022302463", 1.0},
      {"9223372036854776832,5", kTwo63},
      {"9223372036854776832,500000001", 9223372036854777856.0},
      // Only 28 digits count: the 29th rounds them, half to even.
      {"9223372036854776832,5000000001", kTwo63},
      {"9223372036854776832,5000000005", kTwo63},
      {"9223372036854776832,50000000050000001", 9223372036854777856.0},
      {"12345678901234567890123456789012345", 1.234567890123457e+34},
      // Short significands take the same two roundings.
      {"366,4914174064540191", 366.49141740645405},
      {"1629922157425402753e6", 1.629922157425403e+24},
  };
  for (const Accepted& c : cases) ExpectAccepted(c);
}

TEST(TryParseOhms, RejectsValuesBeyondTheDoubleRange) {
  const Accepted fits[] = {
      {"1,7976931348623157e308", kMaxDouble},
      {"-1,7976931348623157e308", -kMaxDouble},
      // Just below the point that the first rounding would carry up to 2^1024 - 2^970.
      {"1,797693134862315807888563143e308", kMaxDouble},
  };
  for (const Accepted& c : fits) ExpectAccepted(c);
  const std::string too_big[] = {
      "1,79769313486231580793728971e308",
      "1,797693134862315807888563144e308",
      "1e309",
      "-1e400",
      "1e4950",
      "1e5000",
      "1e99999",
      "1e99999999999999999999",
      "0,000001e10000",
  };
  for (const std::string& text : too_big) ExpectRejected(text);
}

TEST(TryParseOhms, AcceptsValuesBelowTheDoubleRange) {
  const Accepted cases[] = {
      {"1e-320", 1e-320},
      {"2,4703282292062328e-324", kMinSubnormal},
      {"2,4703282292062327e-324", 0.0},
      {"4,9406564584124654e-324", kMinSubnormal},
      {"2,2250738585072011e-308", 2.2250738585072011e-308},
      {"2,2250738585072014e-308", std::numeric_limits<double>::min()},
      {"1e-400", 0.0},
      {"1e-99999", 0.0},
      {"-1e-400", -0.0},
      {"1000000e-10005", 0.0},
      {"1e-99999999999999999999", 0.0},
  };
  for (const Accepted& c : cases) ExpectAccepted(c);
}

TEST(TryParseOhms, LimitsTheWorkingTextTo255Bytes) {
  const std::string zeros254(254, '0');
  ExpectAccepted({zeros254 + "1", 1});
  ExpectRejected(zeros254 + "01");
  ExpectAccepted({"  " + zeros254 + "1\t\n", 1});
  // The minus sign counts as one byte once replaced.
  ExpectAccepted({kMinus + std::string(252, '0') + "1", -1});
  ExpectRejected(kMinus + std::string(254, '0') + "1");
  // Long texts keep all their digits in the scale.
  ExpectAccepted({"1" + std::string(254, '0'), 1e254});
  ExpectAccepted({"0," + std::string(252, '0') + "1", 1e-253});
  ExpectAccepted({std::string(255, '9'), 1e255});
}

// Texts with at most 28 significant digits have one exact value; the strtold
// of glibc and of mingw-w64 (gdtoa) rounds it correctly to extended, so it is
// an independent reference for the first rounding.
#if defined(__GLIBC__) || defined(__MINGW32__)
class ReferenceTexts {
 public:
  // A random decimal in C syntax: up to 28 digits, anywhere in the range.
  std::string AnyNumber() {
    std::string text = Pick(0, 1) != 0 ? "-" : "";
    const int digits = Pick(1, 28);
    const int point = Pick(0, digits);
    text += std::string(static_cast<std::size_t>(Pick(0, 3)), '0');
    for (int i = 0; i < digits; ++i) {
      if (i == point) text += '.';
      text += static_cast<char>('0' + (i == 0 ? Pick(1, 9) : Pick(0, 9)));
    }
    // Small exponents keep many texts within reach of a single exact operation.
    const int range = Pick(0, 9);
    const int exponent = range == 0 ? Pick(-400, 400) : range < 4 ? Pick(-30, 30) : Pick(-350, 330);
    return text + 'e' + std::to_string(exponent);
  }

  // A decimal close to the midpoint of two neighbouring doubles, where
  // rounding twice and rounding once part ways.
  std::string NearMidpoint() {
    double low = 0.0;
    if (Pick(0, 1) == 0) {
      low = std::ldexp(std::uniform_real_distribution<double>(0.5, 1.0)(random_), Pick(-60, 60));
    } else {
      do {
        low = std::bit_cast<double>(std::uniform_int_distribution<std::uint64_t>()(random_));
      } while (!std::isfinite(low) || std::fabs(low) == kMaxDouble);
    }
    const calcunit::Extended high = std::nextafter(low, low < 0 ? -kMaxDouble : kMaxDouble);
    const calcunit::Extended midpoint = (low + high) / 2;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", Pick(15, 27), midpoint);
    return buffer;
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  std::mt19937_64 random_{20261209};
};
#endif

TEST(TryParseOhms, MatchesACorrectlyRoundingReference) {
#if defined(__GLIBC__) || defined(__MINGW32__)
  ReferenceTexts texts;
  for (int round = 0; round < 40000; ++round) {
    const std::string c_text = round % 2 == 0 ? texts.AnyNumber() : texts.NearMidpoint();
    double expected = 0.0;
    bool expect_accepted = true;
    try {
      expected = calcunit::StoreDouble(std::strtold(c_text.c_str(), nullptr));
    } catch (const EOverflow&) {
      expect_accepted = false;
    }
    std::string text = c_text;
    for (char& c : text) {
      if (c == '.') c = ',';
    }
    double value = 42.0;
    ASSERT_EQ(TryParseOhms(text, value), expect_accepted) << text;
    if (expect_accepted) {
      ASSERT_TRUE(SameDouble(value, expected)) << text;
    }
  }
#else
  GTEST_SKIP() << "needs a strtold known to round correctly to extended";
#endif
}

}  // namespace
