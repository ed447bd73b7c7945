// The correlation fitting tool and the runtime tables it generated.

#include "correlation/Correlation.h"
#include "tools/fit/Fit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velm::fit {
namespace {

const std::filesystem::path kRoot = VELM_SOURCE_DIR;

const FitResult& freshFit() {
    static const FitResult result = fitAll(kRoot);
    return result;
}

TEST(FitTool, CommittedOutputEqualsAFreshFit) {
    const std::pair<std::string_view, std::string> outputs[] = {
        {kGeneratedSourcePath, renderCorrelationSource(freshFit())},
        {kReportPath, renderReport(freshFit())},
    };
    for (const auto& [path, fresh] : outputs) {
        const std::optional<std::string> committed = readTextFile(kRoot / path);
        ASSERT_TRUE(committed) << path << " is missing: run velmorantes-fit";
        EXPECT_TRUE(*committed == fresh)
            << path << " differs from a fresh fit: run velmorantes-fit and commit the result";
    }
}

// The published AIRE pieces fitted again. The refit agrees with the exact least-squares
// solution to 12 digits or more; what is left is the published values' own rounding, worst
// in the small constant terms of MIU, UN and K below 1300 K. The counts of points show that
// a boundary row belongs to the pieces on both sides (100..450 K is 8 rows, 450..1300 K 15).
TEST(FitTool, RefitsThePublishedAirPieces) {
    struct AirPiece { CorrelatedProperty property; std::size_t index, points; double worstDigits; };
    constexpr AirPiece kAirPieces[] = {
        {P_DEN, 0, 8, 8.0},  {P_DEN, 1, 15, 8.0}, {P_DEN, 2, 14, 7.8}, {P_CP, 0, 14, 8.0},
        {P_CP, 1, 22, 8.0},  {P_MIU, 0, 22, 6.5}, {P_MIU, 1, 14, 7.9}, {P_UN, 0, 22, 6.0},
        {P_UN, 1, 14, 7.8},  {P_K, 0, 22, 6.5},   {P_K, 1, 14, 7.9},
    };
    const std::vector<SelfCheckRow>& rows = freshFit().selfCheck;
    ASSERT_EQ(rows.size(), std::size(kAirPieces));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const AirPiece& want = kAirPieces[i];
        const SelfCheckRow& row = rows[i];
        const std::string name = "AIRE " + std::string(kCorrelatedNames[want.property]) + " piece " +
                                 std::to_string(want.index + 1);
        ASSERT_TRUE(row.property == want.property && row.index == want.index) << name;
        EXPECT_EQ(row.points, want.points) << name;
        EXPECT_GE(row.worstDigits, want.worstDigits) << name;
        EXPECT_GE(row.medianDigits, 8.0) << name;
    }
}

TEST(FitTool, RefusesMalformedTablesAndPiecesWithTooFewRows) {
    for (const char* text : {"DEN,TEMP\n1,2\n", "TEMP,DEN\n300,1,2\n", "TEMP,DEN\n300,1.2.3\n", "TEMP,DEN\n300,\n"})
        EXPECT_THROW(parseReferenceTable(text, "test"), FitError) << text;
    const std::vector<Point> four{{300, 1}, {350, 2}, {400, 4}, {450, 3}};
    EXPECT_THROW(fitPolynomial(four, 4), FitError);
    EXPECT_NO_THROW(fitPolynomial(four, 3));
}

// The compiled tables follow the layout, in catalogue order, and carry every piece exactly
// as fitted (the decimal text round-trips) and every published one bit for bit.
TEST(GeneratedTables, MatchTheLayoutAndTheFit) {
    std::size_t at[2] = {0, 0};
    for (const FluidFit& fit : freshFit().fluids) {
        const FluidLayout& f = *fit.layout;
        const bool gas = f.family == Family::Gases;
        const std::span<const FluidCorrelations> set = gas ? gasCorrelations() : liquidCorrelations();
        const std::size_t i = at[gas ? 0 : 1]++;
        ASSERT_LT(i, set.size()) << f.name;
        ASSERT_EQ(set[i].name, f.name);
        for (int p = 0; p < kCorrelatedCount; ++p) {
            const PieceList runtime = set[i].property[p];
            ASSERT_EQ(runtime.size(), f.property[p].size()) << f.name << " " << kCorrelatedNames[p];
            for (std::size_t k = 0; k < runtime.size(); ++k) {
                const Piece& got = runtime[k];
                const Piece& want = fit.pieces[p][k];
                const bool last = k + 1 == runtime.size();
                EXPECT_TRUE((last ? std::isinf(got.upper) : got.upper == want.upper) &&
                            got.upperIncluded == want.upperIncluded && got.form == want.form &&
                            got.degree == want.degree && got.c == want.c &&
                            (f.property[p][k].fitted || got.c == f.property[p][k].piece.c))
                    << f.name << " " << kCorrelatedNames[p] << " piece " << k + 1;
            }
        }
    }
    EXPECT_EQ(at[0], gasCorrelations().size());
    EXPECT_EQ(at[1], liquidCorrelations().size());
}

}  // namespace
}  // namespace velm::fit
