#include "tools/fit/Fit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velm::fit {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

std::string pieceName(const FluidLayout& f, CorrelatedProperty property, std::size_t index) {
    return std::string(familyName(f.family)) + " " + std::string(f.name) + " " +
           std::string(kCorrelatedNames[property]) + " piece " + std::to_string(index + 1);
}

// The engine's value of one piece at T, in correlation units (BETA in 1/K).
double pieceValue(const Piece& piece, double T, PieceList density) {
    const PieceList one(&piece, 1);
    if (piece.form != PieceForm::DensityDerivative) return evaluate(one, T);
    return evaluate(one, T, &selectPiece(density, T), evaluate(density, T));
}

void judge(PieceReport& report, const std::vector<Point>& points, PieceList density) {
    report.points = points.size();
    for (const Point& p : points) {
        if (p.value == 0) continue;  // no relative deviation from zero
        const double deviation =
            std::fabs(pieceValue(report.piece, p.T, density) - p.value) / std::fabs(p.value);
        if (deviation > report.worstDeviation) {
            report.worstDeviation = deviation;
            report.worstT = p.T;
        }
    }
}

SelfCheckRow refitPublished(const LayoutPiece& published, CorrelatedProperty property, std::size_t index,
                            std::size_t count, Interval interval,
                            const std::vector<Point>& points) {
    SelfCheckRow row;
    row.property = property;
    row.index = index;
    row.count = count;
    row.interval = interval;
    row.points = points.size();
    row.published = published.piece.c;
    row.refitted = fitPolynomial(points, published.piece.degree);
    std::vector<double> digits;
    for (int k = 0; k <= published.piece.degree; ++k) {
        row.digits[k] = matchingDigits(row.refitted[k], row.published[k]);
        digits.push_back(row.digits[k]);
    }
    std::sort(digits.begin(), digits.end());
    row.worstDigits = digits.front();
    const std::size_t mid = digits.size() / 2;
    row.medianDigits =
        digits.size() % 2 ? digits[mid] : (digits[mid - 1] + digits[mid]) / 2;
    return row;
}

}  // namespace

double correlationUnit(Family family, CorrelatedProperty property) {
    const bool gas = family == Family::Gases;
    switch (property) {
        case P_MIU: return gas ? kGasMiuUnit : kLiquidMiuUnit;
        case P_UN: return gas ? kGasUnUnit : kLiquidUnUnit;
        case P_K: return gas ? kGasKUnit : 1.0;
        default: return 1.0;
    }
}

Interval fitInterval(const std::vector<LayoutPiece>& pieces, std::size_t index, double lowest,
                     double highest) {
    const double from = index == 0 ? -kInfinity : pieces[index - 1].piece.upper;
    const double to = index + 1 == pieces.size() ? kInfinity : pieces[index].piece.upper;
    return {std::max(from, lowest), std::min(to, highest)};
}

std::vector<Point> pointsIn(const ReferenceTable& table, Family family,
                            CorrelatedProperty property, Interval interval) {
    std::vector<Point> points;
    const int column = table.column(kCorrelatedNames[property]);
    if (column < 0) return points;
    const double unit = correlationUnit(family, property);
    for (const std::vector<double>& row : table.rows)
        if (interval.contains(row[0]))
            points.push_back({row[0], row[static_cast<std::size_t>(column)] * unit});
    return points;
}

double matchingDigits(double value, double published) {
    constexpr double kCap = 17;
    if (value == published) return kCap;
    const double scale = published == 0 ? 1.0 : std::fabs(published);
    return std::min(kCap, -std::log10(std::fabs(value - published) / scale));
}

FitResult fitAll(const std::filesystem::path& root) {
    FitResult result;
    for (const FluidLayout& f : correlationLayout()) {
        const ReferenceTable table = readReferenceTable(
            root / "data" / "reference" / (f.family == Family::Gases ? "gases" : "liquids") /
            (std::string(f.name) + ".csv"));
        const bool isAir = f.family == Family::Gases && f.name == "AIRE";

        FluidFit fit;
        fit.layout = &f;
        std::array<std::vector<std::vector<Point>>, kCorrelatedCount> points;
        for (int p = 0; p < kCorrelatedCount; ++p) {
            const auto property = static_cast<CorrelatedProperty>(p);
            const std::vector<LayoutPiece>& pieces = f.property[p];
            for (std::size_t i = 0; i < pieces.size(); ++i) {
                const Interval interval = fitInterval(pieces, i, f.lowest, f.highest);
                points[p].push_back(pointsIn(table, f.family, property, interval));
                const std::vector<Point>& used = points[p].back();
                Piece piece = pieces[i].piece;
                if (pieces[i].fitted) {
                    if (table.column(kCorrelatedNames[p]) < 0)
                        throw FitError(pieceName(f, property, i) + ": no " +
                                       std::string(kCorrelatedNames[p]) + " column");
                    try {
                        piece.c = fitPolynomial(used, piece.degree);
                    } catch (const FitError& e) {
                        throw FitError(pieceName(f, property, i) + ": " + e.what());
                    }
                } else if (isAir && piece.form == PieceForm::Polynomial) {
                    result.selfCheck.push_back(
                        refitPublished(pieces[i], property, i, pieces.size(), interval, used));
                }
                fit.pieces[p].push_back(piece);
            }
        }
        // Judged only once every piece exists: BETA may need the density correlation.
        for (int p = 0; p < kCorrelatedCount; ++p) {
            for (std::size_t i = 0; i < fit.pieces[p].size(); ++i) {
                PieceReport report;
                report.property = static_cast<CorrelatedProperty>(p);
                report.index = i;
                report.count = fit.pieces[p].size();
                report.piece = fit.pieces[p][i];
                report.fitted = f.property[p][i].fitted;
                report.interval = fitInterval(f.property[p], i, f.lowest, f.highest);
                judge(report, points[p][i], fit.pieces[P_DEN]);
                fit.reports.push_back(report);
            }
        }
        result.fluids.push_back(std::move(fit));
    }
    return result;
}

}  // namespace velm::fit
