#include "big_unsigned.h"

namespace calcunit {

void BigUnsigned::MulPow10(int exponent) {
  static constexpr std::uint32_t kPowers[] = {1,      10,      100,      1000,      10000,
                                              100000, 1000000, 10000000, 100000000, 1000000000};
  for (; exponent >= 9; exponent -= 9) MulAdd(kPowers[9], 0);
  if (exponent > 0) MulAdd(kPowers[exponent], 0);
}

std::uint32_t DivideSmallQuotient(BigUnsigned& remainder, const BigUnsigned& divisor) {
  // Knuth's estimate from the top two limbs: never too small, and with a
  // normalised divisor at most two too large.
  const int n = divisor.Size();
  const std::uint64_t top = (std::uint64_t{remainder.Limb(n)} << 32) | remainder.Limb(n - 1);
  std::uint64_t estimate = top / divisor.Limb(n - 1);
  if (estimate > 0xFFFFFFFFu) estimate = 0xFFFFFFFFu;
  BigUnsigned product = divisor;
  product.MulAdd(static_cast<std::uint32_t>(estimate), 0);
  while (Compare(product, remainder) > 0) {
    product.Subtract(divisor);
    --estimate;
  }
  remainder.Subtract(product);
  return static_cast<std::uint32_t>(estimate);
}

}  // namespace calcunit
