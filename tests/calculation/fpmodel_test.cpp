#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calcunit.h"

namespace {

using calcunit::Extended;
using calcunit::StoreDouble;

constexpr double kMaxDouble = std::numeric_limits<double>::max();
constexpr double kMinSubnormal = std::numeric_limits<double>::denorm_min();

// 2^1024 - 2^970, the first magnitude that no longer fits a double.
const Extended kThreshold = std::ldexp(1.0L, 1024) - std::ldexp(1.0L, 970);

TEST(StoreDouble, KeepsValuesThatFit) {
  struct Case {
    Extended in;
    double out;
  };
  const Case cases[] = {
      {0.0L, 0.0},
      {1.0L, 1.0},
      {-2.5L, -2.5},
      {static_cast<Extended>(kMaxDouble), kMaxDouble},
      {-static_cast<Extended>(kMaxDouble), -kMaxDouble},
      // The largest extended value below the threshold still rounds down.
      {std::nextafter(kThreshold, 0.0L), kMaxDouble},
      // Ties go to even: 1 + 2^-53 lies halfway between 1 and its successor.
      {1.0L + std::ldexp(1.0L, -53), 1.0},
      {1.0L + 3 * std::ldexp(1.0L, -53), 1.0 + std::ldexp(1.0, -51)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.in));
    EXPECT_EQ(StoreDouble(c.in), c.out);
  }
}

TEST(StoreDouble, RaisesOverflowFromTheThresholdUp) {
  const Extended too_big[] = {
      kThreshold,
      -kThreshold,
      std::ldexp(1.0L, 1024),
      std::numeric_limits<Extended>::max(),
      std::numeric_limits<Extended>::infinity(),
      -std::numeric_limits<Extended>::infinity(),
  };
  for (Extended v : too_big) {
    SCOPED_TRACE(static_cast<double>(v));
    EXPECT_THROW(StoreDouble(v), EOverflow);
  }
}

TEST(StoreDouble, RoundsTinyValuesSilently) {
  // Below half the smallest subnormal the result is a zero of the value's sign.
  EXPECT_EQ(StoreDouble(std::ldexp(1.0L, -1074)), kMinSubnormal);
  EXPECT_EQ(StoreDouble(std::ldexp(1.0L, -1075)), 0.0);
  EXPECT_EQ(StoreDouble(std::ldexp(3.0L, -1076)), kMinSubnormal);
  const double negative_zero = StoreDouble(-std::ldexp(1.0L, -2000));
  EXPECT_EQ(negative_zero, 0.0);
  EXPECT_TRUE(std::signbit(negative_zero));
}

}  // namespace
