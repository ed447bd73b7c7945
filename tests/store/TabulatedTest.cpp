// Evaluation from stored tables on real database files: single evaluations through the
// driver, and sweeps against them.
#include "tests/engine/SweepTesting.h"
#include "tests/store/StoreTesting.h"

using namespace velm;
using namespace velm::testing;

TEST_F(StoreTest, InterpolatesAndExtrapolatesAStoredTable) {
    // Every value of a point is its column's scale times f(T); f is 4, 6, 7 at 300, 350, 400 K,
    // so the two segments have different slopes. Powers of two keep the values exact as floats.
    constexpr std::array<double, 8> kScale{1, 2, 0.5, 0.25, 8, 0.125, 3, 0.0625};
    for (const Family family : kFamilies) {
        store(family).createTable("TRES");
        for (const auto& [T, f] : {std::pair{350.0, 6.0}, {400.0, 7.0}, {300.0, 4.0}}) {
            std::vector<double> row{T};
            for (const PropertyInfo& p : propertiesOf(family)) row.push_back(kScale[index(p.id)] * f);
            store(family).appendRow("TRES", row);
        }
    }
    const std::string outside = "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA TABLA TRES  ( LA TEMPERATURA ES ";
    const std::string above = outside + "MAYOR A 400 ) SE EXTRAPOLARA", below = outside + "MENOR A 300) SE EXTRAPOLARA";
    const struct {
        Family family;
        double T, P, f;
        std::string message;
    } cases[] = {
        {Family::Gases, 325, 101.3, 5, ""},    {Family::Gases, 350, 101.3, 6, ""},
        {Family::Gases, 450, 101.3, 8, above}, {Family::Gases, 250, 101.3, 2, below},
        {Family::Gases, 325, 202.6, 5, ""},    {Family::Liquids, 325, 0, 5, ""},
        {Family::Liquids, 250, 0, 2, below},
    };
    for (const auto& c : cases) {
        const std::string name = std::string(familyName(c.family)) + " " + std::to_string(c.T) + " K " +
                                 std::to_string(c.P) + " kPa";
        const Evaluated r = evaluate(files, c.family, "TRES", c.T, c.P);
        ASSERT_EQ(r.outcome, EvaluationOutcome::Shown) << name;
        EXPECT_EQ(r.messages, c.message.empty() ? std::vector<std::string>{} : std::vector{c.message}) << name;
        const double pressureRatio = c.family == Family::Gases ? c.P / 101.3 : 1;
        for (const PropertyInfo& p : propertiesOf(c.family)) {
            double want = kScale[index(p.id)] * c.f;
            if (p.id == Property::DEN) want *= pressureRatio;
            if (p.id == Property::UN || p.id == Property::ALFA) want /= pressureRatio;
            EXPECT_DOUBLE_EQ(*(r.m.*p.field), want) << name << ": " << p.column;
        }
        EXPECT_TRUE(c.family == Family::Liquids || r.m.BETA.value_or(0) == 0) << name << ": a gas has no BETA";
    }
}

// A typed 273.15 lies above the stored float: interpolated toward 280, not read as the point.
TEST_F(StoreTest, PointsAreTheStoredFloats) {
    liquids.createTable("T");
    liquids.appendRow("T", {273.15, 0, 1, 1, 1, 1, 1, 1, 1});
    liquids.appendRow("T", {280, 1, 1, 1, 1, 1, 1, 1, 1});
    const double stored = double(273.15f);
    EXPECT_DOUBLE_EQ(*evaluate(files, Family::Liquids, "T", 273.15).m.DEN, (273.15 - stored) / (280 - stored));
}

// The shipped AIRE table ends with 2500 K (DEN 0.1389) and 3000 K (DEN 0.1135).
TEST_F(StoreTest, ABuiltInFluidReadsItsShippedTableOnlyOutsideItsRange) {
    EXPECT_NEAR(*evaluate(files, Family::Gases, "AIRE", 300).m.DEN, 1.16011096, 1e-8)
        << "the correlation, not the table's 1.1614";
    const Evaluated outside = evaluate(files, Family::Gases, "AIRE", 3500, 101.3, "NO");
    EXPECT_EQ(outside.messages, std::vector<std::string>{}) << "warned at acceptance already";
    EXPECT_DOUBLE_EQ(*outside.m.DEN, 2 * double(0.1135f) - double(0.1389f));
}

// Rows out of order, temperatures stored twice with other values, and a row stored twice:
// interpolated, hit exactly and extrapolated on both sides.
TEST_F(StoreTest, SweepsEqualSingleEvaluationsOnAStoredTableWithRepeatedTemperatures) {
    liquids.createTable("REPETIDA");
    for (const auto& [T, v] : {std::pair{350.0, 6.0}, {300.0, 4.0}, {400.0, 7.0}, {300.0, 4.5}, {400.0, 7.5},
                               {350.0, 6.0}, {250.0, 3.0}, {250.0, 3.5}, {450.0, 9.0}})
        liquids.appendRow("REPETIDA", {T, v, v, v, v, v, v, v, -v});
    SweepRequest r;
    r.family = Family::Liquids;
    r.fluid = "REPETIDA";
    for (double t = 200; t <= 500; t += 12.5) r.temperatures.push_back(t);
    StorePointSource source(files);
    EXPECT_EQ(differenceFromSingles(r, source), "");
}
