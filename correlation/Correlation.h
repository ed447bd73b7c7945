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

// Two temperatures side by side: one instruction does the arithmetic of both, and each lane
// gets the bits it would get alone. A sweep evaluates its temperatures two at a time.
using Pair = double __attribute__((vector_size(16)));

// x in every lane of V (double or Pair).
template <class V>
V splat(double x) {
    if constexpr (std::is_same_v<V, double>) return x;
    else return V{x, x};
}

// T⁰ … T⁶, each the one before times T: formed once for a temperature, they serve every
// polynomial of every property at it, and give each the bits it would get alone.
template <class V>
struct PowersOf {
    explicit PowersOf(V T) {
        p[0] = splat<V>(1.0);
        for (std::size_t k = 1; k < p.size(); ++k) p[k] = p[k - 1] * T;
    }
    V T() const { return p[1]; }
    std::array<V, 7> p;
};
using Powers = PowersOf<double>;

// Polynomial value, term by term, summed from the highest power down to c[0]. The terms
// below the leading one are written out (each case falls into the next), and the evaluator
// is inline: a sweep pays no loop and no call for them.
template <class V>
V polynomialValue(const Piece& piece, const PowersOf<V>& T) {
    const auto& c = piece.c;
    const auto& p = T.p;
    const int d = std::clamp(piece.degree, 0, 6);
    V sum = c[std::size_t(d)] * p[std::size_t(d)];
    switch (d) {
        case 6: sum += c[5] * p[5]; [[fallthrough]];
        case 5: sum += c[4] * p[4]; [[fallthrough]];
        case 4: sum += c[3] * p[3]; [[fallthrough]];
        case 3: sum += c[2] * p[2]; [[fallthrough]];
        case 2: sum += c[1] * p[1]; [[fallthrough]];
        case 1: sum += c[0] * p[0]; break;
        default: break;
    }
    return sum;
}
inline double polynomialValue(const Piece& piece, double T) { return polynomialValue(piece, Powers(T)); }

// Exact derivative of the polynomial, summed the same way.
template <class V>
V polynomialDerivative(const Piece& piece, const PowersOf<V>& T) {
    const auto& c = piece.c;
    const auto& p = T.p;
    const int d = std::clamp(piece.degree, 0, 6);
    if (d < 1) return splat<V>(0.0);
    V sum = (d * c[std::size_t(d)]) * p[std::size_t(d - 1)];
    switch (d) {
        case 6: sum += (5 * c[5]) * p[4]; [[fallthrough]];
        case 5: sum += (4 * c[4]) * p[3]; [[fallthrough]];
        case 4: sum += (3 * c[3]) * p[2]; [[fallthrough]];
        case 3: sum += (2 * c[2]) * p[1]; [[fallthrough]];
        case 2: sum += (1 * c[1]) * p[0]; break;
        default: break;
    }
    return sum;
}
inline double polynomialDerivative(const Piece& piece, double T) {
    return polynomialDerivative(piece, Powers(T));
}

// T^e, lane by lane.
inline double power(double T, double e) { return std::pow(T, e); }
inline Pair power(Pair T, double e) { return Pair{std::pow(T[0], e), std::pow(T[1], e)}; }

// Value of a piece, or of a correlation, at T. `density` is the density just computed for
// the same T and `densityPiece` its piece; only the density-derivative form reads them.
template <class V>
V evaluate(const Piece& p, const PowersOf<V>& T, const Piece* densityPiece = nullptr, V density = V{}) {
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

// Correlation units: what the correlations give, before the engine scales to SI.
inline constexpr double kGasMiuUnit = 1e7;    // 10⁻⁷ Pa·s
inline constexpr double kGasUnUnit = 1e6;     // 10⁻⁶ m²/s
inline constexpr double kGasKUnit = 1000;     // 10⁻³ W/(m·K)
inline constexpr double kLiquidMiuUnit = 100; // 10⁻² Pa·s
inline constexpr double kLiquidUnUnit = 1e6;  // 10⁻⁶ m²/s
inline constexpr double kReferencePressure = 101.3;  // kPa

}  // namespace velm
