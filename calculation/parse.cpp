#include <cmath>
#include <string>

#include "calcunit.h"
#include "decimal.h"

namespace calcunit {

namespace {

// Longest working text that is still converted.
constexpr std::size_t kMaxTextBytes = 255;

// Exponents stop growing here; any such exponent is far out of range anyway.
constexpr int kExponentCap = 100000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Blanks and control characters, the only bytes that trimming drops.
bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// The trimmed text with every "," made "." and every U+2212 MINUS SIGN made
// "-". Nothing else is touched.
std::string WorkingText(std::string_view text) {
  while (!text.empty() && IsTrimmed(text.back())) text.remove_suffix(1);
  while (!text.empty() && IsTrimmed(text.front())) text.remove_prefix(1);
  std::string working;
  working.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ',') {
      working += '.';
    } else if (text.substr(i, 3) == "\xE2\x88\x92") {
      working += '-';
      i += 2;
    } else {
      working += text[i];
    }
  }
  return working;
}

// Collects the mantissa digits: the first 28 significant ones exactly, the
// 29th for rounding and whether anything non-zero follows it.
class SignificandBuilder {
 public:
  void AddDigit(char c, bool in_fraction) {
    const int digit = c - '0';
    if (!started_ && digit == 0) {
      if (in_fraction) --scale_;  // leading zeros only place the point
      return;
    }
    started_ = true;
    if (number_.digits < kSignificantDigits) {
      number_.significand.MulAdd(10, static_cast<std::uint32_t>(digit));
      ++number_.digits;
      if (in_fraction) --scale_;
      return;
    }
    if (!in_fraction) ++scale_;  // an integer digit beyond the 28th still counts
    if (rounding_digit_ < 0) {
      rounding_digit_ = digit;
    } else if (digit != 0) {
      sticky_ = true;
    }
  }

  // Rounds to 28 digits (half to even) and gives the number.
  DecimalNumber Finish(bool negative, int exponent) {
    const bool round_up = rounding_digit_ > 5 ||
                          (rounding_digit_ == 5 && (sticky_ || number_.significand.IsOdd()));
    if (round_up) number_.significand.MulAdd(1, 1);
    number_.negative = negative;
    number_.scale = scale_ + exponent;
    return number_;
  }

 private:
  DecimalNumber number_;
  bool started_ = false;
  int scale_ = 0;
  int rounding_digit_ = -1;  // none yet
  bool sticky_ = false;
};

// Matches [sign] digits [. digits] [e|E [sign] digits] against the whole
// text (the exponent letter must not end it) and gives the number it denotes.
bool ScanNumber(std::string_view text, DecimalNumber& number) {
  std::size_t i = 0;
  const auto at = [&](char c) { return i < text.size() && text[i] == c; };
  const auto at_digit = [&] { return i < text.size() && IsDigit(text[i]); };

  bool negative = false;
  if (at('+') || at('-')) negative = text[i++] == '-';

  SignificandBuilder significand;
  while (at_digit()) significand.AddDigit(text[i++], false);
  if (at('.')) {
    ++i;
    while (at_digit()) significand.AddDigit(text[i++], true);
  }

  int exponent = 0;
  if (at('e') || at('E')) {
    ++i;
    if (i == text.size()) return false;
    bool exponent_negative = false;
    if (at('+') || at('-')) exponent_negative = text[i++] == '-';
    while (at_digit()) {
      const int digit = text[i++] - '0';
      if (exponent < kExponentCap) exponent = exponent * 10 + digit;
    }
    if (exponent_negative) exponent = -exponent;
  }
  if (i != text.size()) return false;

  number = significand.Finish(negative, exponent);
  return true;
}

}  // namespace

bool HasDigit(std::string_view text) {
  for (char c : text) {
    if (IsDigit(c)) return true;
  }
  return false;
}

bool TryParseOhms(std::string_view text, double& value) {
  value = 0.0;
  const std::string working = WorkingText(text);
  if (working.empty() || !HasDigit(working)) return false;

  double stored = 0.0;
  try {
    DecimalNumber number;
    if (working.size() > kMaxTextBytes || !ScanNumber(working, number)) return false;
    stored = StoreDouble(ToExtended(number));
  } catch (const EMathError&) {
    // Beyond the double range: the text is simply not a usable number.
    return false;
  }
  if (!std::isfinite(stored)) return false;
  value = stored;
  return true;
}

}  // namespace calcunit
