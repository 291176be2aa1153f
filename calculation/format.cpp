#include <cmath>
#include <string>

#include "calcunit.h"
#include "decimal_rendering.h"

namespace calcunit {

namespace {

constexpr int kFixedDigits = 17;     // rendering behind the fixed form
constexpr int kExponentDigits = 15;  // rendering behind the exponent form
constexpr int kMaxIntegerDigits = 17;

// Fixed form "i,d" from the 17-digit rendering, rounded half up at the first
// decimal. Gives an empty text when the value needs more than 17 integer
// digits, that is from 1e17 up.
std::string FixedForm(const DigitString& rendering) {
  DigitString kept = rendering;
  const int cut = rendering.exponent + 1;  // digits up to the first decimal
  if (cut < 0) {
    Truncate(kept, 0);
  } else if (cut == 0) {
    Truncate(kept, 0);
    if (rendering.Digit(1) >= 5) AddUnit(kept, 0);  // carry straight out: "1"
  } else {
    Truncate(kept, cut);
    if (rendering.Digit(cut + 1) >= 5) AddUnit(kept, cut);
  }
  if (kept.length == 0) return "0,0";
  if (kept.exponent > kMaxIntegerDigits) return {};

  std::string text;
  for (int position = 1; position <= kept.exponent; ++position) {
    text += static_cast<char>('0' + kept.Digit(position));
  }
  if (text.empty()) text = "0";
  text += ',';
  text += static_cast<char>('0' + (kept.exponent >= 0 ? kept.Digit(kept.exponent + 1) : 0));
  return text;
}

// Exponent form "d,dddE17" from the 15-digit rendering: no trailing zeros in
// the mantissa, no sign and no leading zeros in the exponent.
std::string ExponentForm(const DigitString& rendering) {
  std::string text(1, static_cast<char>('0' + rendering.Digit(1)));
  std::string decimals;
  for (int position = 2; position <= kExponentDigits; ++position) {
    decimals += static_cast<char>('0' + rendering.Digit(position));
  }
  decimals.erase(decimals.find_last_not_of('0') + 1);
  if (!decimals.empty()) text += ',' + decimals;
  return text + 'E' + std::to_string(rendering.exponent - 1);
}

}  // namespace

std::string FormatOhms(double value) {
  // Callers pass finite magnitudes only; anything else is a math error
  // rather than a misleading text.
  if (!std::isfinite(value)) throw EInvalidOp();
  if (value == 0) return "0,0";
  if (value < 0) return '-' + FormatOhms(-value);

  const DigitString first = RoundTo21(ExpandExactly(value));
  std::string fixed = FixedForm(RoundHalfUp(first, kFixedDigits));
  if (!fixed.empty()) return fixed;
  return ExponentForm(RoundHalfUp(first, kExponentDigits));
}

}  // namespace calcunit
