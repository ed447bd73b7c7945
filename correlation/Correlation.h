#pragma once
// Correlation data as tables of pieces, and the one evaluator for every piece form.
// A property of a fluid is an ordered list of pieces from the lowest temperatures up; T
// takes the first piece whose upper boundary it does not pass, and the last piece takes
// every temperature above the others.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>

namespace velm {

enum class PieceForm : unsigned char {
    Polynomial,           // c[degree]·T^degree + … + c[1]·T + c[0]
    Constant,             // c[0]
    PowerLaw,             // c[0]·T^c[1]
    ExpansionConstant,    // c[0] / 1000 (c[0] is the expansion coefficient times 1000)
    DensityDerivative,    // −(dDEN/dT) / DEN of the same fluid's density polynomial
    ExpansionPolynomial,  // polynomial value / 1000
};

struct Piece {
    double upper = std::numeric_limits<double>::infinity();  // ignored on the last piece
    bool upperIncluded = true;                               // T == upper belongs here
    PieceForm form = PieceForm::Polynomial;
    int degree = 0;
    std::array<double, 7> c{};  // c[k] multiplies T^k

    bool takes(double T) const { return T < upper || (upperIncluded && T == upper); }
};

// The properties a correlation set can hold, in this order everywhere.
enum CorrelatedProperty : int { P_DEN, P_CP, P_MIU, P_UN, P_K, P_BETA, kCorrelatedCount };
inline constexpr std::array<std::string_view, kCorrelatedCount> kCorrelatedNames{
    "DEN", "CP", "MIU", "UN", "K", "BETA"};

// One property's correlation: its pieces in ascending order of their upper boundaries.
using PieceList = std::span<const Piece>;

struct FluidCorrelations {
    std::string_view name;
    std::array<PieceList, kCorrelatedCount> property;  // BETA empty for gases
};

// The runtime correlation sets (generated source), in catalogue order.
std::span<const FluidCorrelations> gasCorrelations();
std::span<const FluidCorrelations> liquidCorrelations();

// Exact, case-sensitive, whole-name lookup; nullptr when none.
const FluidCorrelations* findCorrelations(std::span<const FluidCorrelations> set,
                                          std::string_view name);

// The piece of a correlation that temperature T takes.
inline const Piece& selectPiece(PieceList correlation, double T) {
    const std::size_t last = correlation.size() - 1;
    for (std::size_t i = 0; i < last; ++i)
        if (correlation[i].takes(T)) return correlation[i];
    return correlation[last];
}

// Several temperatures side by side, one lane each: one instruction does the arithmetic of
// every lane, and each lane gets the bits it would get alone (no operation is fused or
// reordered). `Pair` is the baseline's two lanes (SSE2, and WebAssembly's SIMD); the engine
// also runs four where the processor has AVX2. V is double (one temperature) or such a vector.
using Pair = double __attribute__((vector_size(16)));

template <class V>
inline constexpr std::size_t kLanes = sizeof(V) / sizeof(double);

// x in every lane of V.
template <class V>
[[gnu::always_inline]] inline V splat(double x) {
    if constexpr (std::is_same_v<V, double>) {
        return x;
    } else {
        V v{};
        for (std::size_t l = 0; l < kLanes<V>; ++l) v[l] = x;
        return v;
    }
}

// The lanes of T (bit l for lane l) that a piece takes, as Piece::takes says.
template <class V>
[[gnu::always_inline]] inline unsigned lanesTaking(const Piece& piece, V T) {
    if constexpr (std::is_same_v<V, double>) {
        return piece.takes(T);
    } else {
        const V upper = splat<V>(piece.upper);
        const auto in = piece.upperIncluded ? T <= upper : T < upper;
        unsigned lanes = 0;
        for (std::size_t l = 0; l < kLanes<V>; ++l) lanes |= unsigned(in[l] & 1) << l;
        return lanes;
    }
}

// a in the lanes of `m` (a comparison's result: all ones or all zeros), b in the others.
template <class V, class Mask>
[[gnu::always_inline]] inline V choose(Mask m, V a, V b) {
    if constexpr (std::is_same_v<V, double>) return m ? a : b;
    else return V((Mask(a) & m) | (Mask(b) & ~m));
}

// The same for lanes given as bits (bit l for lane l).
template <class V>
[[gnu::always_inline]] inline V choose(unsigned lanes, V a, V b) {
    if constexpr (std::is_same_v<V, double>) {
        return lanes ? a : b;
    } else {
        decltype(a < b) m{};
        for (std::size_t l = 0; l < kLanes<V>; ++l) m[l] = (lanes >> l & 1) ? -1 : 0;
        return choose(m, a, b);
    }
}

// A correlation's value at every lane of T, each lane by the piece it takes (the first whose
// upper boundary it does not pass, as selectPiece): `value(piece)` over all lanes where every
// lane takes the same piece (a sweep's usual case), otherwise once for each piece taken, each
// lane keeping its own piece's value.
template <class V, class Value>
[[gnu::always_inline]] inline V byPiece(PieceList correlation, V T, Value value) {
    constexpr unsigned all = (1u << kLanes<V>) - 1;
    const std::size_t last = correlation.size() - 1;
    unsigned left = all;
    V v{};
    for (std::size_t i = 0;; ++i) {
        const unsigned here = i == last ? left : lanesTaking(correlation[i], T) & left;
        if (here == all) return value(correlation[i]);
        if (here) v = choose(here, value(correlation[i]), v);
        left &= ~here;
        if (!left) return v;
    }
}

// T⁰ … T⁶, each the one before times T: formed once for a temperature, they serve every
// polynomial of every property at it, and give each the bits it would get alone.
template <class V>
struct PowersOf {
    PowersOf() = default;  // p filled by the caller, as the constructor below fills it
    [[gnu::always_inline]] explicit PowersOf(V T) {
        p[0] = splat<V>(1.0);
        // written out, so that the powers stay in registers
        [&]<std::size_t... K>(std::index_sequence<K...>) __attribute__((always_inline)) {
            ((p[K + 1] = p[K] * T), ...);
        }(std::make_index_sequence<6>{});
    }
    V T() const { return p[1]; }
    V operator[](std::size_t k) const { return p[k]; }
    std::array<V, 7> p;
};
using Powers = PowersOf<double>;

// f(std::integral_constant<int, D>) for a piece's degree D, 0 … 6: the arithmetic written
// out for each degree, no loop and no branch inside it.
template <class F>
[[gnu::always_inline]] inline auto withDegree(int degree, F f) {
    switch (std::clamp(degree, 0, 6)) {
        case 0: return f(std::integral_constant<int, 0>{});
        case 1: return f(std::integral_constant<int, 1>{});
        case 2: return f(std::integral_constant<int, 2>{});
        case 3: return f(std::integral_constant<int, 3>{});
        case 4: return f(std::integral_constant<int, 4>{});
        case 5: return f(std::integral_constant<int, 5>{});
        default: return f(std::integral_constant<int, 6>{});
    }
}

// The polynomial of degree D, term by term, summed from the highest power down to c[0]. T[k]
// is T^k (PowersOf, or the same powers kept elsewhere).
template <int D, class Powers>
[[gnu::always_inline]] inline auto polynomialTerms(const std::array<double, 7>& c, const Powers& T) {
    auto sum = c[D] * T[D];
    [&]<std::size_t... K>(std::index_sequence<K...>) __attribute__((always_inline)) {
        ((sum += c[D - 1 - K] * T[D - 1 - K]), ...);
    }(std::make_index_sequence<D>{});
    return sum;
}

// Its exact derivative, summed the same way.
template <int D, class Powers>
[[gnu::always_inline]] inline auto derivativeTerms(const std::array<double, 7>& c, const Powers& T) {
    if constexpr (D < 1) {
        return 0.0 * T[0];  // +0 in every lane
    } else {
        auto sum = (D * c[D]) * T[D - 1];
        [&]<std::size_t... K>(std::index_sequence<K...>) __attribute__((always_inline)) {
            ((sum += (int(D - 1 - K) * c[D - 1 - K]) * T[D - 2 - K]), ...);
        }(std::make_index_sequence<D - 1>{});
        return sum;
    }
}

// A piece's polynomial and its derivative. Inline: a sweep pays no loop and no call for them.
template <class V>
[[gnu::always_inline]] inline V polynomialValue(const Piece& piece, const PowersOf<V>& T) {
    return withDegree(piece.degree, [&](auto d) __attribute__((always_inline)) {
        return polynomialTerms<decltype(d)::value>(piece.c, T);
    });
}
inline double polynomialValue(const Piece& piece, double T) { return polynomialValue(piece, Powers(T)); }

template <class V>
[[gnu::always_inline]] inline V polynomialDerivative(const Piece& piece, const PowersOf<V>& T) {
    return withDegree(piece.degree, [&](auto d) __attribute__((always_inline)) {
        return derivativeTerms<decltype(d)::value>(piece.c, T);
    });
}
inline double polynomialDerivative(const Piece& piece, double T) {
    return polynomialDerivative(piece, Powers(T));
}

// T^e, lane by lane.
template <class V>
[[gnu::always_inline]] inline V power(V T, double e) {
    if constexpr (std::is_same_v<V, double>) {
        return std::pow(T, e);
    } else {
        V v{};
        for (std::size_t l = 0; l < kLanes<V>; ++l) v[l] = std::pow(T[l], e);
        return v;
    }
}

// Value of a piece, or of a correlation, at T. `density` is the density just computed for
// the same T and `densityPiece` its piece; only the density-derivative form reads them.
template <class V>
[[gnu::always_inline]] inline V evaluate(const Piece& p, const PowersOf<V>& T, const Piece* densityPiece = nullptr,
                                         V density = V{}) {
    switch (p.form) {
        case PieceForm::Polynomial:
            return polynomialValue(p, T);
        case PieceForm::Constant:
            return splat<V>(p.c[0]);
        case PieceForm::PowerLaw:
            return p.c[0] * power(T.T(), p.c[1]);
        case PieceForm::ExpansionConstant:
            return splat<V>(p.c[0] / 1000);
        case PieceForm::DensityDerivative:
            if (!densityPiece) break;  // no density to derive
            return -polynomialDerivative(*densityPiece, T) / density;
        case PieceForm::ExpansionPolynomial:
            return polynomialValue(p, T) / 1000;
    }
    return splat<V>(std::nan(""));
}
inline double evaluate(const Piece& piece, double T, const Piece* densityPiece = nullptr,
                       double density = 0.0) {
    return evaluate(piece, Powers(T), densityPiece, density);
}
inline double evaluate(PieceList correlation, double T, const Piece* densityPiece = nullptr,
                       double density = 0.0) {
    return evaluate(selectPiece(correlation, T), T, densityPiece, density);
}

// A correlation's value at every lane of T, each lane by its own piece; the density-derivative
// form reads the same fluid's `densityCorrelation`, each lane by its own piece of it, and
// `density`, the density just computed for the same lanes.
template <class V>
[[gnu::always_inline]] inline V evaluate(PieceList correlation, const PowersOf<V>& T, PieceList densityCorrelation = {},
                                         V density = V{}) {
    // (The lambdas are inlined as everything here, into the callers' instruction sets.)
    return byPiece(correlation, T.T(), [&](const Piece& p) __attribute__((always_inline)) {
        if (p.form != PieceForm::DensityDerivative || densityCorrelation.empty()) return evaluate(p, T);
        const V slope = byPiece(densityCorrelation, T.T(), [&](const Piece& d) __attribute__((always_inline)) {
            return polynomialDerivative(d, T);
        });
        return -slope / density;
    });
}

// Correlation units: what the correlations give, before the engine scales to SI.
inline constexpr double kGasMiuUnit = 1e7;    // 10⁻⁷ Pa·s
inline constexpr double kGasUnUnit = 1e6;     // 10⁻⁶ m²/s
inline constexpr double kGasKUnit = 1000;     // 10⁻³ W/(m·K)
inline constexpr double kLiquidMiuUnit = 100; // 10⁻² Pa·s
inline constexpr double kLiquidUnUnit = 1e6;  // 10⁻⁶ m²/s
inline constexpr double kReferencePressure = 101.3;  // kPa

}  // namespace velm
