#include "decimal.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <limits>

namespace calcunit {

namespace {

// Outside these decimal magnitudes the exact digits no longer matter: from
// 10^309 up every value is beyond the double range, and at 10^-330 and below
// every value stores as a zero of its sign.
constexpr int kHugeExponent10 = 309;
constexpr int kTinyExponent10 = -330;

// Scales this far out are treated as infinity or zero without looking closer.
constexpr int kScaleLimit = 10000;

// 10^0 .. 10^27: every one is exact in extended (5^27 < 2^64).
constexpr int kExactPowers = 28;
constexpr std::array<Extended, kExactPowers> kPowersOfTen = [] {
  std::array<Extended, kExactPowers> powers{};
  Extended power = 1.0L;
  for (Extended& p : powers) {
    p = power;
    power *= 10.0L;
  }
  return powers;
}();

// Exact rounding of numerator / denominator (both non-zero) to a 64-bit
// significand, ties to even, by long division one bit at a time.
Extended RoundQuotient(BigUnsigned numerator, BigUnsigned denominator) {
  // Line the two up so that denominator <= numerator < 2 * denominator; the
  // quotient is then 1.xxx times 2^exponent.
  int exponent = numerator.BitLength() - denominator.BitLength();
  if (exponent > 0) {
    denominator.ShiftLeft(exponent);
  } else {
    numerator.ShiftLeft(-exponent);
  }
  if (Compare(numerator, denominator) < 0) {
    numerator.ShiftLeft(1);
    --exponent;
  }
  std::uint64_t significand = 0;
  for (int bit = 0; bit < 64; ++bit) {
    significand <<= 1;
    if (Compare(numerator, denominator) >= 0) {
      numerator.Subtract(denominator);
      significand |= 1u;
    }
    numerator.ShiftLeft(1);
  }
  // The numerator now holds twice the remainder: compare it with one half.
  const int half = Compare(numerator, denominator);
  if (half > 0 || (half == 0 && (significand & 1u) != 0)) {
    ++significand;
    if (significand == 0) {  // carried out of 64 bits
      significand = std::uint64_t{1} << 63;
      ++exponent;
    }
  }
  // A 64-bit integer converts to extended exactly, and the scaling by a power
  // of two stays far inside the extended range here, so this rounds nothing.
  return std::ldexp(static_cast<Extended>(significand), exponent - 63);
}

}  // namespace

Extended ToExtended(const DecimalNumber& number) {
  const Extended sign = number.negative ? -1.0L : 1.0L;
  if (number.significand.IsZero() || number.scale <= -kScaleLimit) return sign * 0.0L;
  if (number.scale >= kScaleLimit) return sign * std::numeric_limits<Extended>::infinity();

  // The value lies in [10^(digits-1+scale), 10^(digits+scale)].
  const int low = number.digits - 1 + number.scale;
  if (low >= kHugeExponent10) {
    // 2^(3.32 * low) is a lower bound of the value: far above the double
    // range, or an infinity where it leaves the extended range.
    return sign * std::ldexp(1.0L, low * 332 / 100);
  }
  if (number.digits + number.scale <= kTinyExponent10) return sign * 0.0L;

  // Common texts: significand and power of ten are both exact in extended, so
  // a single multiplication or division rounds the exact value once, to
  // nearest with ties to even, as the floating-point model does every operation.
  if (number.significand.BitLength() <= 64 && number.scale > -kExactPowers &&
      number.scale < kExactPowers) {
    const Extended significand = static_cast<Extended>(number.significand.Low64());
    const Extended power = kPowersOfTen[static_cast<std::size_t>(std::abs(number.scale))];
    return sign * (number.scale >= 0 ? significand * power : significand / power);
  }

  BigUnsigned numerator = number.significand;
  BigUnsigned denominator(1);
  if (number.scale >= 0) {
    numerator.MulPow10(number.scale);
  } else {
    denominator.MulPow10(-number.scale);
  }
  return sign * RoundQuotient(numerator, denominator);
}

}  // namespace calcunit
