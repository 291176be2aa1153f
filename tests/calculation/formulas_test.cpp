#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include "calcunit.h"

namespace {

using calcunit::Magnitude;
using calcunit::OpenShortZ0;
using calcunit::QuarterWaveZ0;

constexpr double kMax = 1.7976931348623157e308;
constexpr double kOverflow = INFINITY;  // stands for an EOverflow

// The function's value, or kOverflow where it raised EOverflow.
template <typename F, typename... Args>
double Outcome(F f, Args... args) {
  try {
    return f(args...);
  } catch (const EOverflow&) {
    return kOverflow;
  }
}

::testing::AssertionResult Same(double actual, double expected) {
  if (std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected)) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << std::hexfloat << actual << " instead of " << expected;
}

TEST(Formulas, MagnitudeAndQuarterWaveBitForBit) {
  struct Case {
    double r, x, expected;
  };
  const Case cases[] = {
      {3, 4, 5}, {-3, -4, 5}, {0, -7.5, 7.5}, {50, 30, 58.309518948453004},
      {0, 0, 0}, {-0.0, -0.0, 0},  // +0, not -0
      {772.64, 839.53, 1140.9571378890619},    // double arithmetic: ...062
      {330.397, 2585.01, 2606.0389248261436},  // a tie at 64 bits; correctly rounded: ...143
      {2599.77, 880.31, 2744.7677040143126},   // fused multiply-add: ...312
      {1e200, 1e200, 1.414213562373095e200}, {1e308, 1e308, 1.4142135623730951e308},
      {1e-200, 1e-200, 1.414213562373095e-200}, {5e-324, 5e-324, 5e-324},
      // The edge of the double range.
      {1.2711610061536462e308, 1.2711610061536462e308, kMax},
      {1.2711610061536464e308, 1.2711610061536464e308, kOverflow},
      {kMax, 0, kMax}, {kMax, 1.893946268648421e300, kMax},
      {kMax, 1.8939462686484212e300, kOverflow}, {1.3e308, 1.3e308, kOverflow},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(Same(Outcome(Magnitude, c.r, c.x), c.expected)) << c.r << ", " << c.x;
    EXPECT_TRUE(Same(Outcome(QuarterWaveZ0, c.r, c.x), c.expected)) << c.r << ", " << c.x;
  }
}

TEST(Formulas, OpenShortBitForBit) {
  struct Case {
    double r1, x1, r2, x2, expected;
  };
  const Case cases[] = {
      {3, 4, 3, 4, 5}, {100, 0, 25, 0, 50}, {2, -300, 1.5, 18.75, 75.12054772005958},
      {1e300, 0, 0, 1e300, 1e300},  // the product of the magnitudes is 1e600
      {0, 0, 50, 30, 0}, {50, 30, 0, 0, 0},
      {kMax, 0, kMax, 0, kMax},  // the final store never overflows
      {206.79, 671.84, 546.57, 659.27, 0x1.83f0184d5a4ccp+9},  // the product of the two roots: ...4cbp+9
      {1.3e308, 1.3e308, 1, 1, kOverflow}, {1, 1, 1.3e308, 1.3e308, kOverflow},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(Same(Outcome(OpenShortZ0, c.r1, c.x1, c.r2, c.x2), c.expected))
        << c.r1 << ", " << c.x1 << ", " << c.r2 << ", " << c.x2;
  }
}

// ---- Independent reference in exact integer arithmetic --------------------
// A value is w * 2^exponent with w a 384-bit integer; each step rounds
// explicitly, so nothing here depends on the x87 unit.

using Wide = std::array<std::uint32_t, 12>;
constexpr int kBits = 384;

bool Bit(const Wide& w, int i) { return i >= 0 && i < kBits && ((w[i / 32] >> (i % 32)) & 1u); }
void SetBit(Wide& w, int i) { w[i / 32] |= 1u << (i % 32); }
int BitLength(const Wide& w) {
  int i = kBits;
  while (i > 0 && !Bit(w, i - 1)) --i;
  return i;
}
Wide Shifted(const Wide& w, int left) {  // right for negative counts
  Wide out{};
  for (int i = 0; i < kBits; ++i) {
    if (Bit(w, i - left)) SetBit(out, i);
  }
  return out;
}
Wide Add(const Wide& a, const Wide& b) {
  Wide out{};
  std::uint64_t carry = 0;
  for (int i = 0; i < 12; ++i, carry >>= 32) out[i] = static_cast<std::uint32_t>(carry += std::uint64_t{a[i]} + b[i]);
  return out;
}
Wide Mul(const Wide& a, const Wide& b) {
  Wide out{};
  for (int i = 0; i < 12; ++i) {
    std::uint64_t carry = 0;
    for (int j = 0; i + j < 12; ++j, carry >>= 32) {
      out[i + j] = static_cast<std::uint32_t>(carry += std::uint64_t{a[i]} * b[j] + out[i + j]);
    }
  }
  return out;
}

struct Exact {
  Wide w{};
  int exponent = 0;
};

// To a multiple of 2^lsb, nearest, ties to even; `sticky`: nonzero bits below w.
Exact RoundAt(const Exact& x, int lsb, bool sticky = false) {
  const int drop = lsb - x.exponent;
  if (drop <= 0) return x;
  Exact out{Shifted(x.w, -drop), lsb};
  for (int i = 0; i < drop - 1; ++i) sticky = sticky || Bit(x.w, i);
  if (Bit(x.w, drop - 1) && (sticky || Bit(out.w, 0))) out.w = Add(out.w, Wide{1});
  return out;
}
Exact Round64(const Exact& x, bool sticky = false) {
  return RoundAt(x, x.exponent + BitLength(x.w) - 64, sticky);
}
Exact FromDouble(double d) {
  int e = 0;
  const auto m = static_cast<std::uint64_t>(std::ldexp(std::frexp(std::fabs(d), &e), 53));
  return {Wide{static_cast<std::uint32_t>(m), static_cast<std::uint32_t>(m >> 32)}, e - 53};
}
Exact Product(const Exact& a, const Exact& b) { return Round64({Mul(a.w, b.w), a.exponent + b.exponent}); }
Exact Sum(Exact a, Exact b) {
  if (BitLength(a.w) == 0) return b;
  if (a.exponent < b.exponent) std::swap(a, b);
  // Far apart, the smaller term lies far below half an ulp of the larger.
  if (BitLength(b.w) == 0 || a.exponent - b.exponent > 250) return a;
  return Round64({Add(Shifted(a.w, a.exponent - b.exponent), b.w), b.exponent});
}
Exact Root(const Exact& x) {
  if (BitLength(x.w) == 0) return x;
  int shift = 140 - BitLength(x.w);
  shift += (x.exponent - shift) % 2 != 0;
  const Wide n = Shifted(x.w, shift);
  Wide root{};
  for (int i = BitLength(n) / 2 + 1; i >= 0; --i) {
    Wide candidate = root;
    SetBit(candidate, i);
    const Wide square = Mul(candidate, candidate);
    if (!std::lexicographical_compare(n.rbegin(), n.rend(), square.rbegin(), square.rend())) root = candidate;
  }
  return Round64({root, (x.exponent - shift) / 2}, Mul(root, root) != n);
}
// Nearest double, subnormals included, or kOverflow beyond the double range.
double ToDouble(const Exact& x) {
  if (BitLength(x.w) == 0) return 0;
  const Exact r = RoundAt(x, std::max(x.exponent + BitLength(x.w) - 53, -1074));
  if (BitLength(r.w) + r.exponent > 1024) return kOverflow;
  return std::ldexp(static_cast<double>(r.w[0] | std::uint64_t{r.w[1]} << 32), r.exponent);
}
double ReferenceMagnitude(double r, double x) {
  const Exact a = FromDouble(r), b = FromDouble(x);
  return ToDouble(Root(Sum(Product(a, a), Product(b, b))));
}
double ReferenceOpenShort(double r1, double x1, double r2, double x2) {
  const double m1 = ReferenceMagnitude(r1, x1);
  const double m2 = m1 == kOverflow ? kOverflow : ReferenceMagnitude(r2, x2);
  return m2 == kOverflow ? kOverflow : ToDouble(Root(Product(FromDouble(m1), FromDouble(m2))));
}

// Finite doubles of either sign over the whole range, in pairs with nearby
// exponents so that both squares count.
class RandomPairs {
 public:
  std::pair<double, double> Next() {
    const int first = static_cast<int>(engine_() % 2047);
    return {Make(first), Make(std::clamp(first + static_cast<int>(engine_() % 81) - 40, 0, 2046))};
  }

 private:
  double Make(int biased_exponent) {
    return std::bit_cast<double>((engine_() & 0x800FFFFFFFFFFFFFu) | std::uint64_t(biased_exponent) << 52);
  }
  std::mt19937_64 engine_{20261209};
};

TEST(Formulas, MagnitudeMatchesExactReference) {
  RandomPairs pairs;
  for (int i = 0; i < 3000; ++i) {
    const auto [r, x] = pairs.Next();
    EXPECT_TRUE(Same(Outcome(Magnitude, r, x), ReferenceMagnitude(r, x))) << std::hexfloat << r << ", " << x;
  }
}

TEST(Formulas, OpenShortMatchesExactReference) {
  RandomPairs pairs;
  for (int i = 0; i < 1000; ++i) {
    const auto [r1, x1] = pairs.Next();
    const auto [r2, x2] = pairs.Next();
    EXPECT_TRUE(Same(Outcome(OpenShortZ0, r1, x1, r2, x2), ReferenceOpenShort(r1, x1, r2, x2)))
        << std::hexfloat << r1 << ", " << x1 << ", " << r2 << ", " << x2;
  }
}

}  // namespace
