// A fixed-capacity unsigned big integer for the exact decimal conversions in
// both directions: text to extended (the parser) and double to decimal digits
// (the result formatting). No allocation; every operation touches only the
// limbs in use, and every operation that can grow the value checks the
// capacity first and throws std::length_error rather than write past the end.
// Internal to calcunit.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <stdexcept>

namespace calcunit {

// Unsigned integer of up to kCapacity 32-bit limbs, least significant first.
class BigUnsigned {
 public:
  // 1344 bits, room for both users: the parser's long division stays below
  // 2^1187 (10^357 and a one-bit shift), the formatting below 2^1120.
  static constexpr int kCapacity = 42;

  BigUnsigned() = default;
  explicit BigUnsigned(std::uint64_t value) {
    limbs_[0] = static_cast<std::uint32_t>(value);
    limbs_[1] = static_cast<std::uint32_t>(value >> 32);
    size_ = limbs_[1] != 0 ? 2 : (limbs_[0] != 0 ? 1 : 0);
  }

  bool IsZero() const { return size_ == 0; }
  bool IsOdd() const { return size_ != 0 && (limbs_[0] & 1u) != 0; }
  // Number of significant limbs (0 for zero).
  int Size() const { return size_; }
  // Limb i (i >= 0), or 0 above the most significant one.
  std::uint32_t Limb(int i) const { return i < size_ ? limbs_[i] : 0u; }
  // The low 64 bits; the whole value when BitLength() <= 64.
  std::uint64_t Low64() const { return (std::uint64_t{Limb(1)} << 32) | Limb(0); }

  // Number of significant bits; 0 for zero.
  int BitLength() const {
    if (size_ == 0) return 0;
    return 32 * (size_ - 1) + (32 - std::countl_zero(limbs_[size_ - 1]));
  }

  // *this = *this * factor + addend; throws std::length_error if it would not fit.
  void MulAdd(std::uint32_t factor, std::uint32_t addend) {
    if (factor == 0) size_ = 0;  // keeps the top limb non-zero
    std::uint64_t carry = addend;
    for (int i = 0; i < size_; ++i) {
      const std::uint64_t product = std::uint64_t{limbs_[i]} * factor + carry;
      limbs_[i] = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) Push(static_cast<std::uint32_t>(carry));
  }

  // *this *= 10^exponent, exponent >= 0; throws std::length_error if it would not fit.
  void MulPow10(int exponent);

  // *this *= 2^bits, bits >= 0; throws std::length_error (value unchanged) if it would not fit.
  void ShiftLeft(int bits) {
    if (size_ == 0 || bits == 0) return;
    const int new_size = (BitLength() + bits + 31) / 32;
    if (new_size > kCapacity) throw std::length_error("BigUnsigned capacity exceeded");
    const int whole = bits / 32;
    const int part = bits % 32;
    if (part != 0) {
      std::uint32_t carry = 0;
      for (int i = 0; i < size_; ++i) {
        const std::uint32_t limb = limbs_[i];
        limbs_[i] = (limb << part) | carry;
        carry = limb >> (32 - part);
      }
      if (carry != 0) limbs_[size_++] = carry;
    }
    if (whole != 0) {
      std::copy_backward(limbs_.begin(), limbs_.begin() + size_, limbs_.begin() + size_ + whole);
      std::fill(limbs_.begin(), limbs_.begin() + whole, 0u);
      size_ += whole;
    }
  }

  // *this -= other; requires other <= *this.
  void Subtract(const BigUnsigned& other) {
    std::uint32_t borrow = 0;
    for (int i = 0; i < size_; ++i) {
      const std::uint64_t subtrahend = std::uint64_t{other.Limb(i)} + borrow;
      borrow = limbs_[i] < subtrahend ? 1u : 0u;
      limbs_[i] = static_cast<std::uint32_t>(limbs_[i] - subtrahend);
    }
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
  }

  // Negative, zero or positive as a <, ==, > b.
  friend int Compare(const BigUnsigned& a, const BigUnsigned& b) {
    if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
    for (int i = a.size_ - 1; i >= 0; --i) {
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
  }

 private:
  // Appends a new most significant limb; throws std::length_error when full.
  void Push(std::uint32_t limb) {
    if (size_ == kCapacity) throw std::length_error("BigUnsigned capacity exceeded");
    limbs_[size_++] = limb;
  }

  std::array<std::uint32_t, kCapacity> limbs_{};
  int size_ = 0;  // limbs in use; the top one is non-zero
};

// Divides remainder by divisor when the quotient is known to fit 32 bits and
// the divisor is normalised (top bit of its top limb set). Returns the
// quotient and leaves the remainder in place.
std::uint32_t DivideSmallQuotient(BigUnsigned& remainder, const BigUnsigned& divisor);

}  // namespace calcunit
