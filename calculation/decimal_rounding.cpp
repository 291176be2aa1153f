#include "decimal_rendering.h"

namespace calcunit {

void Truncate(DigitString& digits, int length) {
  if (digits.length <= length) return;
  for (int i = length; i < digits.length; ++i) digits.digits[i] = 0;
  digits.length = length;
}

void AddUnit(DigitString& digits, int position) {
  for (int i = position; i >= 1; --i) {
    if (digits.digits[i - 1] < 9) {
      ++digits.digits[i - 1];
      Truncate(digits, i);  // the zeros the carry left behind are dropped
      return;
    }
    digits.digits[i - 1] = 0;
  }
  digits.digits = {};
  digits.digits[0] = 1;
  digits.length = 1;
  ++digits.exponent;
}

DigitString RoundTo21(const ExactDigits& exact) {
  constexpr int kKept = 21;
  DigitString rounded = exact.head;
  if (rounded.length <= kKept) return rounded;
  const int dropped = rounded.Digit(kKept + 1);
  const bool odd = rounded.Digit(kKept) % 2 != 0;
  const bool up = dropped > 5 || (dropped == 5 && (exact.sticky || odd));
  Truncate(rounded, kKept);
  if (up) AddUnit(rounded, kKept);
  return rounded;
}

namespace {

// The dropped digits after position `significant` read 4, then nines, with an
// 8 or 9 second to last; the last digit is not looked at.
bool NearHalf(const DigitString& digits, int significant) {
  const int length = digits.length;
  if (length < significant + 4 || digits.Digit(significant + 1) != 4) return false;
  for (int position = significant + 2; position <= length - 2; ++position) {
    if (digits.Digit(position) != 9) return false;
  }
  return digits.Digit(length - 1) >= 8;
}

}  // namespace

DigitString RoundHalfUp(DigitString digits, int significant) {
  if (digits.length <= significant) return digits;
  const bool up = digits.Digit(significant + 1) >= 5 || NearHalf(digits, significant);
  Truncate(digits, significant);
  if (up) AddUnit(digits, significant);
  return digits;
}

}  // namespace calcunit
