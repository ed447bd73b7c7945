#include "correlation/Correlation.h"

#include <algorithm>
#include <cmath>

namespace velm {

const FluidCorrelations* findCorrelations(std::span<const FluidCorrelations> set,
                                          std::string_view name) {
    for (const FluidCorrelations& f : set)
        if (f.name == name) return &f;
    return nullptr;
}

const Piece& selectPiece(Correlation correlation, double T) {
    const std::size_t last = correlation.size() - 1;
    for (std::size_t i = 0; i < last; ++i)
        if (correlation[i].takes(T)) return correlation[i];
    return correlation[last];
}

// The terms below the leading one, from c[degree − 1] down to c[0]: written out (each case
// falls into the next) so that a sweep pays no loop for them.
double polynomialValue(const Piece& piece, const Powers& T) {
    const auto& c = piece.c;
    const auto& p = T.p;
    const int d = std::clamp(piece.degree, 0, 6);
    double sum = c[std::size_t(d)] * p[std::size_t(d)];
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

double polynomialDerivative(const Piece& piece, const Powers& T) {
    const auto& c = piece.c;
    const auto& p = T.p;
    const int d = std::clamp(piece.degree, 0, 6);
    if (d < 1) return 0.0;
    double sum = (d * c[std::size_t(d)]) * p[std::size_t(d - 1)];
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

double evaluate(const Piece& p, const Powers& T, const Piece* densityPiece, double density) {
    switch (p.form) {
        case PieceForm::Polynomial:
            return polynomialValue(p, T);
        case PieceForm::Constant:
            return p.c[0];
        case PieceForm::PowerLaw:
            return p.c[0] * std::pow(T.T(), p.c[1]);
        case PieceForm::ExpansionConstant:
            return p.c[0] / 1000;
        case PieceForm::DensityDerivative:
            return -polynomialDerivative(*densityPiece, T) / density;
        case PieceForm::ExpansionPolynomial:
            return polynomialValue(p, T) / 1000;
    }
    return std::nan("");
}

}  // namespace velm
