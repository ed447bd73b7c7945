#pragma once
// Numbers as text and texts as numbers, byte for byte what GCC's std::to_chars and
// std::from_chars give, on every platform the core is built for: WebAssembly's C++ library has
// no floating-point to_chars or from_chars, so the digits come from {fmt} and the reading from
// fast_float, and the layout and the refusals are ours.

#include <string>
#include <system_error>

namespace velm {

// The shortest text that reads back to the same number, "." as the decimal point: fixed or
// scientific ("1e+22", "2.5e-07"), whichever is shorter, fixed on a tie. A whole number
// longer than its shortest digits is written to its last unit ("1152921504606846976").
// Not finite: "inf", "-inf", "nan", "-nan"; negative zero "-0".
std::string shortestText(double value);
std::string shortestText(float value);

// The same digits always in fixed notation: "0.000001", "340282346638528859811704183484516925440".
std::string shortestFixedText(float value);

// d.ddd…e±XX with `precision` (>= 0) digits after the point, rounded to nearest from the
// exact binary value: "1.23456789012346e+02".
std::string scientificText(double value, int precision);

struct NumberRead {
    const char* ptr;  // one past the last character read
    std::errc ec;
};

// Reads the longest number at the start of [first, last) as std::from_chars does: an optional
// "-" (never "+", never a blank), digits with an optional "." and exponent, or "inf",
// "infinity", "nan". No number: invalid_argument and ptr == first. A number beyond a double's
// range, too large or nonzero but rounding to zero: result_out_of_range, ptr past it. In
// either case `value` is left as it was.
NumberRead readNumber(const char* first, const char* last, double& value);

}  // namespace velm
