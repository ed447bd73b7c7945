// The correlation fitting tool and the runtime tables it generated.

#include "correlation/Correlation.h"
#include "tools/fit/Fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

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
// in the small constant terms of MIU, UN and K below 1300 K.
struct AirPiece {
    CorrelatedProperty property;
    std::size_t index;
    std::size_t points;  // boundary rows on both sides: 100..450 K is 8 rows, 450..1300 K 15
    double worstDigits;
};
constexpr AirPiece kAirPieces[] = {
    {P_DEN, 0, 8, 8.0},  {P_DEN, 1, 15, 8.0}, {P_DEN, 2, 14, 7.8}, {P_CP, 0, 14, 8.0},
    {P_CP, 1, 22, 8.0},  {P_MIU, 0, 22, 6.5}, {P_MIU, 1, 14, 7.9}, {P_UN, 0, 22, 6.0},
    {P_UN, 1, 14, 7.8},  {P_K, 0, 22, 6.5},   {P_K, 1, 14, 7.9},
};

TEST(FitTool, RefitsThePublishedAirPieces) {
    const std::vector<SelfCheckRow>& rows = freshFit().selfCheck;
    ASSERT_EQ(rows.size(), std::size(kAirPieces));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const AirPiece& want = kAirPieces[i];
        const SelfCheckRow& row = rows[i];
        const std::string name = "AIRE " + std::string(kCorrelatedNames[want.property]) +
                                 " piece " + std::to_string(want.index + 1);
        ASSERT_EQ(row.property, want.property) << name;
        ASSERT_EQ(row.index, want.index) << name;
        EXPECT_EQ(row.points, want.points) << name;
        EXPECT_GE(row.worstDigits, want.worstDigits) << name;
        EXPECT_GE(row.medianDigits, 8.0) << name;
    }
}

TEST(FitTool, BoundaryRowsCountOnBothSidesWithinTheValidRange) {
    const ReferenceTable table = parseReferenceTable(
        "TEMP,DEN,MIU\n90,1,1e-5\n100,2,1e-5\n450,3,2e-5\n500,4,2e-5\n1300,5,3e-5\n1310,6,3e-5\n",
        "test");
    std::vector<LayoutPiece> pieces(3);
    pieces[0].piece.upper = 450;  // T <= 450
    pieces[1].piece.upper = 500;  // 450 < T < 500
    pieces[1].piece.upperIncluded = false;
    const std::vector<double> want[] = {{100, 450}, {450, 500}, {500, 1300}};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        std::vector<double> got;
        for (const Point& p : pointsIn(table, Family::Gases, P_DEN, fitInterval(pieces, i, 100, 1300)))
            got.push_back(p.T);
        EXPECT_EQ(got, want[i]) << "piece " << i + 1;
    }
    const Interval all{100, 1300};
    EXPECT_DOUBLE_EQ(pointsIn(table, Family::Gases, P_MIU, all).front().value, 100);   // 10⁻⁷ Pa·s
    EXPECT_DOUBLE_EQ(pointsIn(table, Family::Liquids, P_MIU, all).front().value, 1e-3);  // 10⁻² Pa·s
    EXPECT_TRUE(pointsIn(table, Family::Gases, P_CP, all).empty());
}

TEST(FitTool, RefusesMalformedTables) {
    const char* const bad[] = {
        "DEN,TEMP\n1,2\n",          // TEMP not first
        "TEMP,DEN\n300,1,2\n",      // field count
        "TEMP,DEN\n300,1.2.3\n",    // not a number
        "TEMP,DEN\n300,\n",         // empty cell
    };
    for (const char* text : bad) EXPECT_THROW(parseReferenceTable(text, "test"), FitError) << text;
}

TEST(FitTool, PieceWithTooFewRowsIsAnError) {
    // VAPOR's degree 4 CP piece up to 550 K has five rows; drop the one at 450 K.
    const std::filesystem::path root =
        std::filesystem::path(::testing::TempDir()) / "velm-fit-too-few-rows";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "data");
    std::filesystem::copy(kRoot / "data" / "reference", root / "data" / "reference",
                          std::filesystem::copy_options::recursive);
    const std::filesystem::path vapor = root / "data" / "reference" / "gases" / "VAPOR.csv";
    std::istringstream rows(*readTextFile(vapor));
    std::string line, kept;
    while (std::getline(rows, line))
        if (!line.starts_with("450,")) kept += line + "\n";
    std::ofstream(vapor, std::ios::binary | std::ios::trunc) << kept;

    try {
        fitAll(root);
        ADD_FAILURE() << "fitted a degree 4 piece on four rows";
    } catch (const FitError& e) {
        EXPECT_NE(std::string(e.what()).find("VAPOR CP piece 1"), std::string::npos) << e.what();
    }
    std::filesystem::remove_all(root);
}

// The compiled tables follow the layout, keep every published coefficient bit for bit and
// carry the fitted ones exactly as fitted (the decimal text round-trips).
TEST(GeneratedTables, MatchTheLayoutAndTheFit) {
    std::size_t gas = 0, liquid = 0;
    for (const FluidFit& fit : freshFit().fluids) {
        const FluidLayout& f = *fit.layout;
        const bool isGas = f.family == Family::Gases;
        const std::span<const FluidCorrelations> set =
            isGas ? gasCorrelations() : liquidCorrelations();
        const std::size_t at = isGas ? gas++ : liquid++;
        ASSERT_LT(at, set.size()) << f.name;
        ASSERT_EQ(set[at].name, f.name);
        for (int p = 0; p < kCorrelatedCount; ++p) {
            const Correlation runtime = set[at].property[p];
            const std::string where = std::string(f.name) + " " + std::string(kCorrelatedNames[p]);
            ASSERT_EQ(runtime.size(), f.property[p].size()) << where;
            for (std::size_t i = 0; i < runtime.size(); ++i) {
                const Piece& got = runtime[i];
                const Piece& want = fit.pieces[p][i];
                const std::string piece = where + " piece " + std::to_string(i + 1);
                if (i + 1 < runtime.size()) {
                    EXPECT_EQ(got.upper, want.upper) << piece;
                } else {
                    EXPECT_TRUE(std::isinf(got.upper)) << piece;
                }
                EXPECT_EQ(got.upperIncluded, want.upperIncluded) << piece;
                EXPECT_EQ(got.form, want.form) << piece;
                EXPECT_EQ(got.degree, want.degree) << piece;
                EXPECT_EQ(got.c, want.c) << piece;
                if (!f.property[p][i].fitted) {
                    EXPECT_EQ(got.c, f.property[p][i].piece.c) << piece;
                }
            }
        }
    }
    EXPECT_EQ(gas, gasCorrelations().size());
    EXPECT_EQ(liquid, liquidCorrelations().size());
}

}  // namespace
}  // namespace velm::fit
