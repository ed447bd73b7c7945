#pragma once
// What the fuzz targets share: a property that must hold, or the run stops on this input.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <version>

// Where the C++ library writes and reads floating-point numbers itself (WebAssembly's does
// not), the number texts are held to its own.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define VELM_FUZZ_LIBRARY_CHARS 1
#endif

namespace velm::fuzz {

// Aborts (libFuzzer then keeps the input) when `holds` is false; `detail` says on what.
inline void check(bool holds, const char* property, std::string_view detail = {}) {
    if (holds) return;
    const std::string shown(detail);
    std::fprintf(stderr, "\nproperty failed: %s [%s]\n", property, shown.c_str());
    std::abort();
}

// A double's bits (std::bit_cast is missing from WebAssembly's C++ library).
inline std::uint64_t bitsOf(double v) {
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

// Whether a text holds "inf" or "nan" as a number writes them, in any letter case.
inline bool writesNonFinite(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

// Whether `back` is `value` to 15 significant digits: within half a unit of the 15th digit,
// and the two roundings of reading it back. Above 1.79769313486231E+308 the digits are
// rounded down (up would pass the largest double): a whole unit there.
inline bool within15Digits(double back, double value) {
    const double magnitude = std::fabs(value);
    if (magnitude == 0) return back == 0;
    const double unit = std::pow(10.0, std::floor(std::log10(magnitude)) - 14);
    const double ulp = std::nextafter(magnitude, INFINITY) - magnitude;
    const double allowed = magnitude > 1.79769313486231e308 ? unit : 0.5 * unit;
    return std::fabs(back - value) <= allowed * (1 + 1e-9) + 2 * ulp + 1e-323;
}

}  // namespace velm::fuzz
