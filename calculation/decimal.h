// Exact conversion of a decimal number to the extended format.
#pragma once

#include "big_unsigned.h"
#include "calcunit.h"

namespace calcunit {

// Significands hold at most this many decimal digits; later digits only round.
inline constexpr int kSignificantDigits = 28;

// significand * 10^scale, with a sign. The significand has at most 28 digits,
// or is exactly 10^28 after rounding up 28 nines.
struct DecimalNumber {
  bool negative = false;
  BigUnsigned significand;
  int digits = 0;  // decimal digits counted into the significand; 0 for zero
  int scale = 0;
};

// The number rounded once to the nearest extended value (64-bit significand,
// ties to even); signed zero for zero, an infinity beyond the extended range.
Extended ToExtended(const DecimalNumber& number);

}  // namespace calcunit
