#include "convection/Catalogue.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace velm::convection {
namespace {

// Unsigned integers of up to 192 bits, in 32-bit limbs from the lowest: enough for the cube of
// a 56-bit integer and for a 55-bit integer shifted by 112.
using Wide = std::array<std::uint64_t, 6>;  // each limb < 2^32

Wide fromInteger(std::uint64_t v) { return {v & 0xffffffffu, v >> 32, 0, 0, 0, 0}; }

Wide times(const Wide& a, const Wide& b) {
    Wide c{};
    for (std::size_t i = 0; i < c.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; i + j < c.size(); ++j) {
            const std::uint64_t sum = c[i + j] + a[i] * b[j] + carry;
            c[i + j] = sum & 0xffffffffu;
            carry = sum >> 32;
        }
    }
    return c;
}

Wide shiftedLeft(const Wide& a, int bits) {
    Wide c{};
    const int limbs = bits / 32, rest = bits % 32;
    for (int i = int(c.size()) - 1; i >= 0; --i) {
        const int from = i - limbs;
        std::uint64_t v = from >= 0 ? (a[std::size_t(from)] << rest) : 0;
        if (rest && from - 1 >= 0) v |= a[std::size_t(from - 1)] >> (32 - rest);
        c[std::size_t(i)] = v & 0xffffffffu;
    }
    return c;
}

int compare(const Wide& a, const Wide& b) {
    for (int i = int(a.size()) - 1; i >= 0; --i)
        if (a[std::size_t(i)] != b[std::size_t(i)]) return a[std::size_t(i)] < b[std::size_t(i)] ? -1 : 1;
    return 0;
}

// y in [0.5, 2) as a multiple of 2^-54.
std::uint64_t units(double y) { return static_cast<std::uint64_t>(std::ldexp(y, 54)); }

// Whether the cube of the point halfway from y to its neighbour `toward` lies below m (m in
// [0.5, 4), a multiple of 2^-53): the halfway point is (Y + N) 2^-55, its cube (Y + N)^3 2^-165
// against M 2^-53, that is (Y + N)^3 against M 2^112.
bool halfwayCubeBelow(double y, double toward, double m) {
    const Wide half = fromInteger(units(y) + units(std::nextafter(y, toward)));
    const Wide cube = times(times(half, half), half);
    const Wide target = shiftedLeft(fromInteger(static_cast<std::uint64_t>(std::ldexp(m, 53))), 112);
    return compare(cube, target) < 0;
}

}  // namespace

double cubeRoot(double x) {
    if (x == 0 || !std::isfinite(x)) return x;
    // |x| = m 2^(3k) with m in [0.5, 4): the root of m lies in [0.79, 1.59], its digits fixed
    // by exact comparisons; scaling by 2^k is exact.
    int e = 0;
    const double fraction = std::frexp(std::fabs(x), &e);
    const int r = ((e % 3) + 3) % 3;
    const double m = std::ldexp(fraction, r);
    const int k = (e - r) / 3;
    // The C library's root is within a few units of the right one; step to it. No cube of a
    // halfway point is a double, so the root never lies exactly halfway.
    double y = std::cbrt(m);
    for (;;) {
        if (halfwayCubeBelow(y, 2.0, m)) y = std::nextafter(y, 2.0);
        else if (!halfwayCubeBelow(y, 0.0, m)) y = std::nextafter(y, 0.0);
        else break;
    }
    return std::copysign(std::ldexp(y, k), x);
}

}  // namespace velm::convection
