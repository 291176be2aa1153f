#include <cmath>

#include "calcunit.h"

namespace calcunit {

// Every step below is one x87 operation on extended values, so each rounds
// exactly once to a 64-bit significand; StoreDouble is the only rounding to
// double. Plain double arithmetic, hypot or a fused multiply-add would give
// other last bits for ordinary measurements.

double Magnitude(double r, double x) {
  const Extended r_squared = Extended{r} * Extended{r};
  const Extended x_squared = Extended{x} * Extended{x};
  const Extended sum = r_squared + x_squared;
  const Extended root = std::sqrt(sum);
  return StoreDouble(root);
}

double QuarterWaveZ0(double r, double x) { return Magnitude(r, x); }

double OpenShortZ0(double r1, double x1, double r2, double x2) {
  // The open-end magnitude first: when it overflows, the second is not needed.
  const double open_magnitude = Magnitude(r1, x1);
  const double short_magnitude = Magnitude(r2, x2);
  // The product of two doubles stays far inside the extended range, and its
  // root never exceeds the larger magnitude, so the final store cannot fail.
  const Extended product = Extended{open_magnitude} * Extended{short_magnitude};
  return StoreDouble(std::sqrt(product));
}

}  // namespace calcunit
