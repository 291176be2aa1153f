#include <bit>
#include <cstdint>
#include <cstring>

#include "big_unsigned.h"
#include "decimal_rendering.h"

namespace calcunit {

namespace {

constexpr int kChunkDigits = 9;
constexpr std::uint32_t kChunkBase = 1000000000;
constexpr int kGeneratedDigits = 3 * kChunkDigits;  // 27 >= 22 digits + look-ahead

}  // namespace

ExactDigits ExpandExactly(double value) {
  // value = mantissa * 2^binary_exponent exactly.
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  int binary_exponent = -1074;
  if (biased != 0) {
    mantissa |= std::uint64_t{1} << 52;
    binary_exponent = biased - 1075;
  }

  // value = (numerator / denominator) * 10^exponent with the fraction scaled
  // into [0.1, 1). The estimate of the decimal exponent from the binary one
  // (78913 / 2^18 is just below log10(2)) is off by at most one and is fixed
  // exactly below.
  const int floor_log2 = static_cast<int>(std::bit_width(mantissa)) - 1 + binary_exponent;
  int exponent = ((floor_log2 * 78913) >> 18) + 1;
  BigUnsigned numerator(mantissa);
  BigUnsigned denominator(1);
  if (binary_exponent >= 0) {
    numerator.ShiftLeft(binary_exponent);
  } else {
    denominator.ShiftLeft(-binary_exponent);
  }
  if (exponent >= 0) {
    denominator.MulPow10(exponent);
  } else {
    numerator.MulPow10(-exponent);
  }
  while (Compare(numerator, denominator) >= 0) {
    denominator.MulAdd(10, 0);
    ++exponent;
  }
  for (;;) {
    BigUnsigned tenfold = numerator;
    tenfold.MulAdd(10, 0);
    if (Compare(tenfold, denominator) >= 0) break;
    numerator = tenfold;
    --exponent;
  }

  // Normalise the denominator for the quotient estimates, then take the digits
  // nine at a time: each chunk is the integer part of fraction * 10^9.
  const int normalise = std::countl_zero(denominator.Limb(denominator.Size() - 1));
  numerator.ShiftLeft(normalise);
  denominator.ShiftLeft(normalise);
  std::uint8_t generated[kGeneratedDigits];
  for (int chunk = 0; chunk < kGeneratedDigits / kChunkDigits; ++chunk) {
    numerator.MulAdd(kChunkBase, 0);
    std::uint32_t quotient = DivideSmallQuotient(numerator, denominator);
    for (int i = kChunkDigits - 1; i >= 0; --i) {
      generated[chunk * kChunkDigits + i] = static_cast<std::uint8_t>(quotient % 10);
      quotient /= 10;
    }
  }

  ExactDigits exact;
  exact.head.exponent = exponent;
  exact.sticky = !numerator.IsZero();
  int last_nonzero = 0;
  for (int i = 0; i < kGeneratedDigits; ++i) {
    if (generated[i] != 0) {
      if (i >= DigitString::kMaxDigits) exact.sticky = true;
      last_nonzero = i + 1;
    }
  }
  if (exact.sticky) last_nonzero = kGeneratedDigits + 1;
  // Integer digits count even where they are zeros.
  const int length = last_nonzero > exponent ? last_nonzero : exponent;
  exact.head.length = length < DigitString::kMaxDigits ? length : DigitString::kMaxDigits;
  for (int i = 0; i < exact.head.length; ++i) exact.head.digits[i] = generated[i];
  return exact;
}

}  // namespace calcunit
