// Decimal digits of a double: the exact leading digits and the two roundings
// that the result text is built from. Internal to calcunit.
#pragma once

#include <array>
#include <cstdint>

namespace calcunit {

// The value 0.d1 d2 ... dL x 10^exponent, with d1 != 0 unless length is 0.
// Positions past length read as 0.
struct DigitString {
  static constexpr int kMaxDigits = 22;

  std::array<std::uint8_t, kMaxDigits> digits{};
  int length = 0;
  int exponent = 0;

  // Digit at 1-based position, 0 past the end of the string.
  int Digit(int position) const { return position >= 1 && position <= length ? digits[position - 1] : 0; }
};

// The leading digits of a value's exact decimal expansion.
struct ExactDigits {
  // d1..d22; length is the expansion's digit count capped at 22. For values
  // of one and more the count includes every integer digit, trailing zeros too.
  DigitString head;
  // A nonzero digit follows d22.
  bool sticky = false;
};

// Exact expansion of a finite value above zero (big-integer arithmetic only).
ExactDigits ExpandExactly(double value);

// First rounding: to 21 digits, half to even on the exact expansion.
DigitString RoundTo21(const ExactDigits& exact);

// Second rounding: to `significant` (at most 21) digits, half up, also when
// the dropped digits are 4 followed by nines and an 8 or 9 as the
// second-to-last digit (the near-half rule).
DigitString RoundHalfUp(DigitString digits, int significant);

// Adds one unit at 1-based `position` with carry; the string then ends at the
// digit that took the carry. A carry out of d1 (or position 0) leaves "1" and
// raises the exponent.
void AddUnit(DigitString& digits, int position);

// Cuts the string to `length` digits, dropping the rest without rounding.
void Truncate(DigitString& digits, int length);

}  // namespace calcunit
