// Least squares in monomials of raw T up to T⁶ (T up to 3000 K) is hopelessly ill-conditioned
// in double precision. So the problem is solved in x = (T − centre) / half, which maps the
// points onto [−1, 1], by Householder QR in long double, and the result is expanded back to
// powers of T, again in long double, before rounding once to double.

#include "tools/fit/Fit.h"

#include <Eigen/Dense>

#include <algorithm>
#include <string>

namespace velm::fit {
namespace {

using Real = long double;
using Matrix = Eigen::Matrix<Real, Eigen::Dynamic, Eigen::Dynamic>;
using Vector = Eigen::Matrix<Real, Eigen::Dynamic, 1>;

}  // namespace

std::array<double, 7> fitPolynomial(std::span<const Point> points, int degree) {
    if (degree < 0 || degree > 6) throw FitError("degree " + std::to_string(degree) + " out of 0..6");
    const auto n = static_cast<Eigen::Index>(points.size());
    const Eigen::Index terms = degree + 1;
    if (n < terms)
        throw FitError(std::to_string(n) + " points for a polynomial of degree " +
                       std::to_string(degree) + " (needs " + std::to_string(terms) + ")");

    const auto [lowest, highest] = std::minmax_element(
        points.begin(), points.end(), [](const Point& a, const Point& b) { return a.T < b.T; });
    const Real centre = (Real{lowest->T} + Real{highest->T}) / 2;
    Real half = (Real{highest->T} - Real{lowest->T}) / 2;
    if (half == 0) half = 1;

    Matrix v(n, terms);
    Vector y(n);
    for (Eigen::Index i = 0; i < n; ++i) {
        const Point& p = points[static_cast<std::size_t>(i)];
        const Real x = (Real{p.T} - centre) / half;
        Real power = 1;
        for (Eigen::Index j = 0; j < terms; ++j) {
            v(i, j) = power;
            power *= x;
        }
        y(i) = p.value;
    }
    const Vector a = v.householderQr().solve(y);

    // p(T) = Σ a_j ((T − centre)/half)^j = Σ_j b_j (T − centre)^j with b_j = a_j / half^j;
    // the binomial expansion of (T − centre)^j then gives the coefficient of each T^k.
    std::array<Real, 7> b{};
    Real scale = 1;
    for (int j = 0; j <= degree; ++j) {
        b[j] = a(j) / scale;
        scale *= half;
    }
    std::array<double, 7> c{};
    for (int k = 0; k <= degree; ++k) {
        Real sum = 0;
        Real binomial = 1;  // C(j, k), starting at j = k
        Real shift = 1;     // (−centre)^(j − k)
        for (int j = k; j <= degree; ++j) {
            sum += b[j] * binomial * shift;
            binomial = binomial * (j + 1) / (j + 1 - k);
            shift *= -centre;
        }
        c[k] = static_cast<double>(sum);
    }
    return c;
}

}  // namespace velm::fit
