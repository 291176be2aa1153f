#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "big_unsigned.h"

namespace {

using calcunit::BigUnsigned;

constexpr int kCapacityBits = BigUnsigned::kCapacity * 32;

// 2^bits - 1: every limb in use when bits is the capacity.
BigUnsigned AllOnes(int bits) {
  BigUnsigned value(1);
  for (int i = 1; i < bits; ++i) value.MulAdd(2, 1);
  return value;
}

BigUnsigned PowerOfTwo(int bits) {
  BigUnsigned value(1);
  value.ShiftLeft(bits);
  return value;
}

TEST(BigUnsigned, GrowingPastCapacityThrows) {
  struct Case {
    const char* name;
    BigUnsigned start;
    std::function<void(BigUnsigned&)> grow;
    bool fits;
    bool checks_first;  // a failing call leaves the value untouched
  };
  using Grow = std::function<void(BigUnsigned&)>;
  const Grow double_it = [](BigUnsigned& v) { v.MulAdd(2, 0); };
  const Grow add_one = [](BigUnsigned& v) { v.MulAdd(1, 1); };
  const Grow shift_one = [](BigUnsigned& v) { v.ShiftLeft(1); };
  const Grow shift_all = [](BigUnsigned& v) { v.ShiftLeft(kCapacityBits); };
  const Grow shift_to_top = [](BigUnsigned& v) { v.ShiftLeft(kCapacityBits - 1); };
  // 10^404 < 2^1344 < 10^405.
  const Grow pow10_404 = [](BigUnsigned& v) { v.MulPow10(404); };
  const Grow pow10_405 = [](BigUnsigned& v) { v.MulPow10(405); };
  const BigUnsigned top_bit = PowerOfTwo(kCapacityBits - 1);
  const BigUnsigned one(1);
  const Case cases[] = {
      {"carry into a new top limb", top_bit, double_it, false, false},
      {"addend carries out", AllOnes(kCapacityBits), add_one, false, false},
      {"addend without carry", top_bit, add_one, true, false},
      {"shift by one bit", top_bit, shift_one, false, true},
      {"shift by whole limbs", one, shift_all, false, true},
      {"shift to the top bit", one, shift_to_top, true, false},
      {"largest power of ten", one, pow10_404, true, false},
      {"next power of ten", one, pow10_405, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BigUnsigned value = c.start;
    if (c.fits) {
      EXPECT_NO_THROW(c.grow(value));
    } else {
      EXPECT_THROW(c.grow(value), std::length_error);
      if (c.checks_first) {
        EXPECT_EQ(Compare(value, c.start), 0);
      }
    }
  }
}

TEST(BigUnsigned, ArithmeticAgreesAcrossOperations) {
  // Multiplying by zero leaves a proper zero, so it compares equal to the addend.
  BigUnsigned zeroed = AllOnes(100);
  zeroed.MulAdd(0, 7);
  EXPECT_EQ(Compare(zeroed, BigUnsigned(7)), 0);
  zeroed.MulAdd(0, 0);
  EXPECT_TRUE(zeroed.IsZero());

  for (const int bits : {1, 31, 32, 33, 64, 95, 200}) {
    SCOPED_TRACE(bits);
    BigUnsigned doubled(0x9E3779B97F4A7C15u);
    for (int i = 0; i < bits; ++i) doubled.MulAdd(2, 0);
    BigUnsigned shifted(0x9E3779B97F4A7C15u);
    shifted.ShiftLeft(bits);
    EXPECT_EQ(Compare(doubled, shifted), 0);
    EXPECT_EQ(shifted.BitLength(), 64 + bits);
    shifted.Subtract(doubled);
    EXPECT_TRUE(shifted.IsZero());
  }
}

}  // namespace
