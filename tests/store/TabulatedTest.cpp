// Evaluation from stored tables on real database files, through the driver, the command-line
// calculator and sweeps against single evaluations.
#include "tests/engine/SweepTesting.h"
#include "tests/store/StoreTesting.h"

#include "cli/Calculator.h"
#include "engine/Catalogue.h"

#include <sstream>

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
    std::ostringstream out, err;
    ASSERT_EQ(runCalculator({"--family", "GASES", "--fluid", "AIRE", "--temp", "3500", "--pressure", "101.3",
                             "--db-dir", dir.path().toStdString()},
                            out, err),
              0);
    EXPECT_EQ(err.str(), "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA ECUACION DEL (DE "
                         "LA) AIRE  ( 100K <= T <= 3000K ) ,   SE EXTRAPOLARA (POCO RECOMENDABLE)\n");
    const std::string values = out.str().substr(out.str().find('\n') + 1);
    EXPECT_NEAR(std::stod(values.substr(values.find(',') + 1)), 2 * double(0.1135f) - double(0.1389f), 1e-14)
        << values;
}

TEST_F(StoreTest, SweepsEqualSingleEvaluationsOnEveryShippedTable) {
    StorePointSource source(files);
    for (const Family family : kFamilies)
        for (const BuiltInFluid& f : builtInFluids(family)) {
            SweepRequest r;
            r.family = family;
            r.fluid = std::string(f.name);
            r.pressure = 202.6;
            // Across the range and beyond both ends, and on every stored point.
            const double step = (f.highest - f.lowest) / 61;
            for (double t = f.lowest - 300; t <= f.highest + 300; t += step) r.temperatures.push_back(t);
            store(family).readPoints(f.name, [&r](const TablePoint& p) { r.temperatures.push_back(p.TEMP); });
            for (const bool english : {false, true}) {
                r.english = english;
                EXPECT_EQ(differenceFromSingles(r, source), "") << (english ? "INGLES" : "SI");
            }
        }
}

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
