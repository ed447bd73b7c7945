#include "engine/NumberText.h"

#include <fast_float/fast_float.h>
#include <fmt/compile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace velm {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "inf", "-inf", "nan", "-nan" for a value that is not finite; empty for one that is.
template <class T>
std::string notFinite(T value) {
    if (std::isfinite(value)) return {};
    return std::string(std::signbit(value) ? "-" : "") + (std::isnan(value) ? "nan" : "inf");
}

// The shortest digits that read back to a nonzero finite magnitude, without leading or
// trailing zeros, and the power of ten of the last one: magnitude ≈ digits × 10^exponent.
// (Texts are made in buffers: string building is slow in WebAssembly.)
struct Shortest {
    char digits[24];
    int count = 0;
    int exponent = 0;
};

// {fmt}'s "{}" has the shortest digits (Dragonbox), laid out by a rule of its own; the digits
// and the place of the point are taken back out of it.
template <class T>
Shortest shortestDigits(T magnitude) {
    char text[64];  // "{}" writes at most 24: scientific from 1e16 up and below 1e-4
    const auto size = static_cast<std::size_t>(fmt::format_to(text, FMT_COMPILE("{}"), magnitude) - text);
    Shortest s;
    int written = 0, point = -1;
    std::size_t i = 0;
    for (; i < size && text[i] != 'e'; ++i) {
        if (text[i] == '.') {
            point = written;
            continue;
        }
        ++written;
        if (s.count > 0 || text[i] != '0') s.digits[s.count++] = text[i];
    }
    int scale = 0;
    if (i < size) {
        const bool negative = text[++i] == '-';
        for (++i; i < size; ++i) scale = scale * 10 + (text[i] - '0');
        if (negative) scale = -scale;
    }
    s.exponent = (point < 0 ? written : point) + scale - written;
    while (s.digits[s.count - 1] == '0') {
        --s.count;
        ++s.exponent;
    }
    return s;
}

char* put(char* out, const char* from, int count) {
    std::memcpy(out, from, static_cast<std::size_t>(count));
    return out + count;
}

char* scientificLayout(char* out, const Shortest& s) {
    const int exponent = s.exponent + s.count - 1;
    *out++ = s.digits[0];
    if (s.count > 1) {
        *out++ = '.';
        out = put(out, s.digits + 1, s.count - 1);
    }
    *out++ = 'e';
    *out++ = exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    if (magnitude >= 100) *out++ = char('0' + magnitude / 100);
    *out++ = char('0' + magnitude / 10 % 10);
    *out++ = char('0' + magnitude % 10);
    return out;
}

// A whole number is written to its last unit, as printf("%.0f") would, not as its shortest
// digits padded with zeros (1e23 is 99999999999999991611392).
char* fixedLayout(char* out, const Shortest& s, double magnitude) {
    if (s.exponent > 0) return fmt::format_to(out, FMT_COMPILE("{:.0f}"), magnitude);
    const int integerDigits = s.count + s.exponent;
    if (integerDigits >= s.count) return put(out, s.digits, s.count);
    if (integerDigits > 0) {
        out = put(out, s.digits, integerDigits);
        *out++ = '.';
        return put(out, s.digits + integerDigits, s.count - integerDigits);
    }
    *out++ = '0';
    *out++ = '.';
    out = std::fill_n(out, -integerDigits, '0');
    return put(out, s.digits, s.count);
}

// Lengths without the sign, which both layouts share: whole number, point inside, "0.00…".
int fixedLength(const Shortest& s) {
    if (s.exponent >= 0) return s.count + s.exponent;
    if (s.count + s.exponent > 0) return s.count + 1;
    return 2 - s.exponent;
}
int scientificLength(const Shortest& s) {
    const int exponent = std::abs(s.exponent + s.count - 1);
    return s.count + (s.count > 1 ? 1 : 0) + 2 + (exponent < 100 ? 2 : 3);
}

template <class T>
std::string shortest(T value, bool alwaysFixed) {
    if (std::string special = notFinite(value); !special.empty()) return special;
    // Longest: a single's 39 integer digits, or "0." and 44 zeros before its 1e-45.
    char text[80];
    char* out = text;
    if (std::signbit(value)) *out++ = '-';
    if (value == 0) {
        *out++ = '0';
    } else {
        const Shortest s = shortestDigits(std::fabs(value));
        out = alwaysFixed || fixedLength(s) <= scientificLength(s)
                  ? fixedLayout(out, s, std::fabs(static_cast<double>(value)))
                  : scientificLayout(out, s);
    }
    return std::string(text, out);
}

// Whether the mantissa of the number read, [first, last) without its exponent, has a digit
// other than zero: a number that reads as zero without being one.
bool nonzeroMantissa(const char* first, const char* last) {
    for (; first != last && (isDigit(*first) || *first == '.'); ++first)
        if (*first != '0' && *first != '.') return true;
    return false;
}

}  // namespace

std::string shortestText(double value) { return shortest(value, false); }
std::string shortestText(float value) { return shortest(value, false); }
std::string shortestFixedText(float value) { return shortest(value, true); }

std::string scientificText(double value, int precision) {
    if (std::string special = notFinite(value); !special.empty()) return special;
    return fmt::format(FMT_COMPILE("{:.{}e}"), value, precision);
}

NumberRead readNumber(const char* first, const char* last, double& value) {
    double read = 0;
    const fast_float::from_chars_result r = fast_float::from_chars(first, last, read);
    if (r.ec != std::errc()) return {r.ptr, r.ec};
    // fast_float rounds a number beyond the range to infinity or to zero where GCC's reader
    // refuses it. "inf" and "nan" start with a letter; every number with a digit or a point.
    const char* number = first + (*first == '-' ? 1 : 0);
    const bool numeral = isDigit(*number) || *number == '.';
    if (numeral && (std::isinf(read) || (read == 0 && nonzeroMantissa(number, r.ptr))))
        return {r.ptr, std::errc::result_out_of_range};
    value = read;
    return {r.ptr, std::errc()};
}

}  // namespace velm
