#pragma once
// The correlation fitting tool: least-squares fits of the pieces the layout marks as fitted,
// to the reference tables in data/reference, and the two files made from them: the runtime
// correlation tables (engine/generated) and the fit report (data/fit-report.md).

#include "correlation/CorrelationLayout.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velm::fit {

struct FitError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One reference CSV: a header naming the columns, then rows of numbers.
struct ReferenceTable {
    std::vector<std::string> columns;
    std::vector<std::vector<double>> rows;

    // Index of a column, or -1 when the table lacks it.
    int column(std::string_view name) const;
};

ReferenceTable parseReferenceTable(std::string_view text, const std::string& origin);
ReferenceTable readReferenceTable(const std::filesystem::path& file);

// A reference value in correlation units at temperature T.
struct Point {
    double T = 0;
    double value = 0;
};

// The factor from SI to the correlation unit of a property in a family.
double correlationUnit(Family family, CorrelatedProperty property);

// The closed temperature interval a piece is fitted on and judged against.
struct Interval {
    double lower = 0;
    double upper = 0;
    bool contains(double T) const { return T >= lower && T <= upper; }
};

// Piece `index` of `pieces` within the valid range: from the previous piece's boundary (or
// the lowest temperature) to its own (or the highest), both ends included.
Interval fitInterval(const std::vector<LayoutPiece>& pieces, std::size_t index, double lowest,
                     double highest);

// The rows of `table` inside `interval` for one property, in correlation units; empty when
// the table lacks the column.
std::vector<Point> pointsIn(const ReferenceTable& table, Family family,
                            CorrelatedProperty property, Interval interval);

// Ordinary least-squares polynomial of `degree` through `points`, coefficients c[k] of T^k.
// Throws FitError when there are fewer than degree + 1 points.
std::array<double, 7> fitPolynomial(std::span<const Point> points, int degree);

// How one piece of the runtime tables was made and how well it follows its points.
struct PieceReport {
    CorrelatedProperty property = P_DEN;
    std::size_t index = 0;   // within the property
    std::size_t count = 1;   // pieces of the property
    Piece piece;             // as written to the runtime tables
    bool fitted = false;
    Interval interval;       // closed, clipped to the valid range
    std::size_t points = 0;  // reference rows inside the interval (0: no column)
    double worstDeviation = 0;  // largest |correlation − reference| / |reference|
    double worstT = 0;
};

struct FluidFit {
    const FluidLayout* layout = nullptr;
    std::array<std::vector<Piece>, kCorrelatedCount> pieces;
    std::vector<PieceReport> reports;  // property order, then piece order
};

// A published air piece fitted again as if it were unknown, coefficient by coefficient.
struct SelfCheckRow {
    CorrelatedProperty property = P_DEN;
    std::size_t index = 0;
    std::size_t count = 1;
    Interval interval;
    std::size_t points = 0;
    std::array<double, 7> published{};
    std::array<double, 7> refitted{};
    std::array<double, 7> digits{};  // −log10 of the relative difference, per coefficient
    double worstDigits = 0;
    double medianDigits = 0;
};

struct FitResult {
    std::vector<FluidFit> fluids;  // layout order
    std::vector<SelfCheckRow> selfCheck;
};

// Fits every fitted piece of the layout from the reference tables under `root`
// (data/reference/gases, data/reference/liquids). Throws FitError on a missing table or
// column, or a piece with too few rows.
FitResult fitAll(const std::filesystem::path& root);

// Matching significant digits of `value` against `published`: −log10 of the relative
// difference, capped at 17 when they are equal.
double matchingDigits(double value, double published);

std::string renderCorrelationSource(const FitResult& result);
std::string renderReport(const FitResult& result);

// The whole file, byte for byte; nullopt when it cannot be read.
std::optional<std::string> readTextFile(const std::filesystem::path& file);

inline constexpr std::string_view kGeneratedSourcePath =
    "engine/generated/correlations.generated.cpp";
inline constexpr std::string_view kReportPath = "data/fit-report.md";

}  // namespace velm::fit
