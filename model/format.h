#pragma once
// Text forms of numbers: numstr for the input boxes, numval to read them back, and the
// display patterns of the result lines.

#include <optional>
#include <string>
#include <string_view>

#include "model/number.h"

namespace velantra {

// Leading blank for zero and positive values, "-" for negative; 15 significant digits
// (7 for a single), trailing zeros and point removed, "." as the point, no zero before
// the point below 1: 1.000292 -> " 1.000292", 0.6 -> " .6", -0.25 -> "-.25". Very large
// and very small magnitudes take an exponent form (" 1E+15", "-1.5E-07") that numval reads.
std::string numstr(double value);
std::string numstr(float value);
std::string numstr(Number value);

// The number at the start of a text: blanks, tabs and line feeds skipped anywhere, an
// optional sign, digits with at most one ".", an optional exponent; 0 without a number.
// Empty when the number lies beyond the range of a double.
std::optional<double> numval(std::string_view text);

// The patterns "0.0000", "0.000", "0.00" and "#0.00": `decimals` digits after the
// separator, at least one before, rounded from the exact value of the double with halves
// away from zero, "-" for every negative value (also one that rounds to zero: "-0.00").
// A value that is not finite gives "—".
std::string format_fixed(double value, int decimals, std::string_view separator);

}  // namespace velantra
