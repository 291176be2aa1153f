// calcunit: turns the texts of the measurement fields into the result text of
// |Z0|. Plain functions without state; no window, no locale, no I/O.
#pragma once

#include <string>
#include <string_view>

#include "exceptions.h"

namespace calcunit {

// ---- Floating-point model -------------------------------------------------
//
// Intermediates are x87 extended values (64-bit significand). A value becomes
// a double only through StoreDouble, the one place where the double range is
// enforced.

using Extended = long double;

// Puts the x87 unit into the model's state: 64-bit precision, round to
// nearest, every fault masked. Called once at program start and in test
// mains, never on a calculation path.
void InitFloatingPoint();

// Rounds to the nearest double (ties to even). Magnitudes of 2^1024 - 2^970
// and more (including infinities) raise EOverflow and nothing is stored;
// values below the normal range become subnormal or signed zero silently.
double StoreDouble(Extended value);

// ---- Impedance formulas ---------------------------------------------------

// |Z| = sqrt(r^2 + x^2): squares, sum and root in extended, one store.
double Magnitude(double r, double x);
// Method A: the magnitude of the single measurement.
double QuarterWaveZ0(double r, double x);
// Method B: sqrt(|Z_open| * |Z_short|); fails only where a magnitude does.
double OpenShortZ0(double r1, double x1, double r2, double x2);

// ---- Result formatting ----------------------------------------------------

// Finite, non-negative value -> "0,0"-style fixed text below 1e17, exponent
// form ("2,5E20") from 1e17 up. Exact decimal arithmetic only.
std::string FormatOhms(double value);

// ---- Measurement text parsing ---------------------------------------------

// True when any byte of the text is an ASCII digit.
bool HasDigit(std::string_view text);
// Accepts one measurement text and gives its value; false for anything that
// is not exactly one number (value is then +0 and meaningless).
bool TryParseOhms(std::string_view text, double& value);

// ---- Method results -------------------------------------------------------

// Result text of method A (quarter-wave resonance) or "" when it has none.
std::string QuarterWaveText(std::string_view r, std::string_view x);
// Result text of method B (open and short-circuited end) or "".
std::string OpenShortText(std::string_view r1, std::string_view x1,
                          std::string_view r2, std::string_view x2);

}  // namespace calcunit
