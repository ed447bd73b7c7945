#include "correlation/Correlation.h"

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

double polynomialValue(const Piece& p, double T) {
    std::array<double, 7> power{};
    power[0] = 1.0;
    for (int k = 1; k <= p.degree; ++k) power[k] = power[k - 1] * T;
    double sum = p.c[p.degree] * power[p.degree];
    for (int k = p.degree - 1; k >= 0; --k) sum += p.c[k] * power[k];
    return sum;
}

double polynomialDerivative(const Piece& p, double T) {
    if (p.degree < 1) return 0.0;
    std::array<double, 7> power{};
    power[0] = 1.0;
    for (int k = 1; k < p.degree; ++k) power[k] = power[k - 1] * T;
    double sum = (p.degree * p.c[p.degree]) * power[p.degree - 1];
    for (int k = p.degree - 1; k >= 1; --k) sum += (k * p.c[k]) * power[k - 1];
    return sum;
}

double evaluate(const Piece& p, double T, const Piece* densityPiece, double density) {
    switch (p.form) {
        case PieceForm::Polynomial:
            return polynomialValue(p, T);
        case PieceForm::Constant:
            return p.c[0];
        case PieceForm::PowerLaw:
            return p.c[0] * std::pow(T, p.c[1]);
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
