#include <cfenv>
#include <cmath>
#include <limits>

#include "calcunit.h"

namespace calcunit {

static_assert(std::numeric_limits<Extended>::digits == 64,
              "the floating-point model needs the x87 extended format (64-bit significand)");
static_assert(std::numeric_limits<Extended>::max_exponent == 16384,
              "the floating-point model needs the x87 extended exponent range");
static_assert(std::numeric_limits<double>::is_iec559, "doubles must be IEEE 754 binary64");

namespace {

// 2^1024 - 2^970: the midpoint between the largest double and 2^1024. From here
// up, rounding to nearest would leave the double range. Exact in extended.
constexpr Extended kDoubleOverflowThreshold = 0x1.fffffffffffff8p+1023L;

}  // namespace

void InitFloatingPoint() {
#if defined(__i386__) || defined(__x86_64__)
  // Control word 0x037F: all six faults masked, precision control 64 bits,
  // rounding to nearest. Faults stay masked on purpose: an unmasked x87 fault
  // would surface as a crash, not as a C++ exception; overflow is detected
  // explicitly in StoreDouble instead.
  const unsigned short control_word = 0x037F;
  __asm__ volatile("fclex\n\tfldcw %0" : : "m"(control_word));
#endif
  std::fesetround(FE_TONEAREST);
}

double StoreDouble(Extended value) {
  if (std::isnan(value)) {
    throw EInvalidOp();
  }
  if (!(std::fabs(value) < kDoubleOverflowThreshold)) {
    throw EOverflow();
  }
  // The volatile store forces the rounding to binary64 even where the compiler
  // would otherwise keep the value in an 80-bit register (i386 code).
  volatile double stored = static_cast<double>(value);
  return stored;
}

}  // namespace calcunit
