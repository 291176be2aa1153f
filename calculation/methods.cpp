#include <cmath>
#include <string>

#include "calcunit.h"

namespace calcunit {

namespace {

// Computes |Z0| and formats it; a math error or an infinite value gives the
// empty text. Only math errors are caught.
template <typename Formula>
std::string GuardedResult(Formula formula) {
  try {
    const double z = formula();
    if (std::isinf(z)) return {};
    return FormatOhms(z);
  } catch (const EMathError&) {
    return {};
  }
}

}  // namespace

std::string QuarterWaveText(std::string_view r_text, std::string_view x_text) {
  double r = 0.0;
  double x = 0.0;
  if (!TryParseOhms(r_text, r) || !TryParseOhms(x_text, x)) return {};
  return GuardedResult([&] { return QuarterWaveZ0(r, x); });
}

std::string OpenShortText(std::string_view r1_text, std::string_view x1_text,
                          std::string_view r2_text, std::string_view x2_text) {
  double r1 = 0.0;
  double x1 = 0.0;
  double r2 = 0.0;
  double x2 = 0.0;
  if (!TryParseOhms(r1_text, r1) || !TryParseOhms(x1_text, x1) || !TryParseOhms(r2_text, r2) ||
      !TryParseOhms(x2_text, x2)) {
    return {};
  }
  return GuardedResult([&] { return OpenShortZ0(r1, x1, r2, x2); });
}

}  // namespace calcunit
