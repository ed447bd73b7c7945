// Sweeps over the shipped tables and a stored one, read from real database files, against
// single evaluations.
#include "tests/engine/SweepTesting.h"
#include "tests/store/StoreTesting.h"

#include "engine/Catalogue.h"

using namespace velm;
using namespace velm::testing;

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
