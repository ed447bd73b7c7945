#pragma once
// Number formatting for the result boxes and the results file.

#include <string>
#include <string_view>

namespace velm {

// A numeric display pattern: "0" a digit always shown, "#" a digit shown only when
// significant, "." the decimal point, "E+##" scientific notation with a one-digit mantissa
// and a signed exponent without leading zeros; any other character is written as it stands.
// Rounds halves away from zero at the pattern's last decimal, after reading the value to 15
// significant digits (so 1.005 shows as 1.01, as the user reads it). Optional decimals that
// come out zero are dropped, and the decimal point with them.
std::string formatPattern(double value, std::string_view pattern);

// The general number format of the results file: up to 15 significant digits, "." as the
// decimal point, exponent form ("1.846E-05") below 1E-04 and from 1E+15 up.
std::string formatGeneral(double value);

}  // namespace velm
