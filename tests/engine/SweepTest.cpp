// The table step and the sweep on tables that need no file: the order rows come in, rows
// that share a temperature, tables too small or unreadable. Real database files are tested
// with the store.
#include "tests/engine/SweepTesting.h"

#include "engine/Catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>

using namespace velm;
using namespace velm::testing;

namespace {

// Rows out of order; 300 K and 400 K twice with other values, and an identical row twice;
// the ends (250, 450) and the next to them (300, 400) shared, so every tie rule is taken.
const std::vector<TablePoint> kAwkward{
    row(400, 7, 1), row(300, 4, 1), row(350, 6), row(250, 3, 1), row(450, 9, 1), row(300, 4, 2),
    row(350, 6),    row(400, 7, 2), row(250, 3, 2), row(450, 9, 2), row(float(325.3), 5)};

}  // namespace

TEST(CalcularTabla, PointsInAnyOrderAndSharingATemperatureNeverDivideByZero) {
    struct Case { const char* what; std::vector<TablePoint> points; double T, den; };  // den NaN: too few points
    const double none = std::nan("");
    const Case cases[] = {
        {"in any order, between points", {row(400, 5), row(300, 3), row(350, 4)}, 325, 3.5},
        {"in any order, above", {row(350, 4), row(400, 5), row(300, 3)}, 450, 6},
        // at an end shared by two rows, the first read stands
        {"last two share 400 K", {row(300, 3), row(350, 4), row(400, 5, 1), row(400, 5, 2)}, 450, 8},
        {"first two share 300 K", {row(300, 3, 1), row(300, 3, 2), row(350, 5)}, 250, 3},
        {"one row twice is one point", {row(300, 3), row(300, 3)}, 300, none},
        {"one temperature only, beyond it", {row(300, 3), row(300, 4)}, 350, none},
        {"one temperature only, exactly at it: the last point read stands", {row(300, 3), row(300, 4)}, 300, 4},
    };
    for (const Case& c : cases) {
        Module1 m;
        m.FAMILIA = Family::Liquids;
        m.FLUIDO = "X";
        m.TEMP = c.T;
        Rows source(c.points);
        Messages messages;
        const TablaOutcome outcome = CalcularTabla(m, "NO", source, messages);
        if (std::isnan(c.den)) {
            EXPECT_EQ(outcome, TablaOutcome::TooFewPoints) << c.what;
            EXPECT_EQ(messages.told, std::vector<Message>{message(MessageId::TooFewPoints)}) << c.what;
        } else {
            EXPECT_EQ(outcome, TablaOutcome::Computed) << c.what;
            EXPECT_DOUBLE_EQ(*m.DEN, c.den) << c.what;
            EXPECT_TRUE(messages.told.empty()) << c.what;
        }
    }
    // as the extrapolation messages write a stored temperature
    EXPECT_EQ(storedTemperatureText(static_cast<float>(373.15), false), "373.15");
    EXPECT_EQ(storedTemperatureText(static_cast<float>(273.15), true), "273,15");
}

TEST(Sweep, EqualsSingleEvaluationsToTheBit) {
    std::vector<double> kelvins;
    for (double t = 150; t <= 600; t += 2.5) kelvins.push_back(t);  // every point hit exactly
    for (const double t : {325.3, double(float(325.3)), 0.0, 1e6}) kelvins.push_back(t);
    struct Case {
        const char* what;
        std::vector<TablePoint> rows;
        std::vector<double> temperatures;
        const char* scale;
        bool english, unreadable = false;
        double pressure = 202.6;
    };
    const Case cases[] = {
        {"awkward rows, kelvin", kAwkward, kelvins, "K", false},
        {"awkward rows, Celsius, below 0 K refused", kAwkward, {-300, -273, -150, -23, 27, 52.3, 400}, "ºC", false},
        {"awkward rows, Fahrenheit, English units", kAwkward, {-10, 80, 125.6, 300, 900}, "ºF", true},
        {"a temperature that is not a number in the table", {row(300, 1), row(std::nan(""), 2), row(350, 3)},
         {250, 300, 320, 400}, "K", false},
        {"one temperature only: exact, then a stop", {row(300, 1, 1), row(300, 1, 2)}, {300, 310, 320}, "K", false},
        {"one row twice: no line at all", {row(300, 1), row(300, 1)}, {300, 310}, "K", false},
        {"no rows", {}, {300}, "K", false},
        {"a table that cannot be read", kAwkward, {300}, "K", false, true},
        {"a gas at 0 kPa", kAwkward, {300, 400}, "K", false, false, 0},
    };
    for (const Case& c : cases)
        for (const Family family : kFamilies) {
            Rows source(c.rows, c.unreadable);
            SweepRequest r = request(family, "MEDIDO", c.temperatures, c.scale, c.english);
            r.pressure = c.pressure;
            EXPECT_EQ(differenceFromSingles(r, source), "") << c.what << ", " << familyName(family);
        }
}

namespace {

// Both lanes of the correlations' arithmetic, then back to the widest.
struct EachLanes {
    ~EachLanes() { useLanes(Lanes::Widest); }
    static constexpr Lanes all[] = {Lanes::Widest, Lanes::Baseline};
};

}  // namespace

// Every correlation, over its range and beyond it (where the stand-in table takes over).
// In both lanes of the arithmetic, and with a gas's other pressures.
TEST(Sweep, EveryBuiltInFluidEqualsSingleEvaluationsInsideAndOutsideItsRange) {
    EachLanes restore;
    for (const Lanes lanes : EachLanes::all)
        for (const Family family : kFamilies)
            for (const BuiltInFluid& f : builtInFluids(family)) {
                useLanes(lanes);
                Rows table({row(f.lowest - 50, 1), row(f.lowest, 2), row(f.highest, 3), row(f.highest + 50, 4)});
                std::vector<double> t{f.lowest, f.highest, f.lowest - 50, f.highest + 50};
                for (double k = f.lowest - 80; k <= f.highest + 80; k += (f.highest - f.lowest) / 97) t.push_back(k);
                for (double k = f.lowest; k <= f.highest; k += (f.highest - f.lowest) / 301) t.push_back(k);
                for (const bool english : {false, true})
                    for (const double kPa : {101.3, 0.5, 1e308}) {  // the last: densities overflow
                        SweepRequest r = request(family, std::string(f.name), t, "K", english);
                        r.pressure = kPa;
                        EXPECT_EQ(differenceFromSingles(r, table), "")
                            << f.name << (english ? " INGLES " : " ") << kPa << " kPa, " << laneCount() << " lanes";
                    }
            }
}

// A sweep evaluates a built-in fluid's temperatures two at a time; an odd count leaves the last
// one to a path of its own. In ºC, and in ºF with English units: every row, the last one
// included, is what a single evaluation of its temperature gives.
TEST(Sweep, AnOddLastTemperatureIsItsSingleEvaluation) {
    struct Case {
        const char* scale;
        std::size_t count;
        bool english;
    };
    for (const Case& c : {Case{"ºC", 5, false}, Case{"ºF", 7, true}})
        for (const Family family : kFamilies)
            for (const BuiltInFluid& f : builtInFluids(family)) {
                std::vector<double> t;  // inside the range, in the scale
                for (std::size_t i = 0; i < c.count; ++i) {
                    const double celsius = f.lowest + (f.highest - f.lowest) * (double(i) + 0.5) / double(c.count) - 273;
                    t.push_back(c.scale == std::string("ºC") ? celsius : celsius * 9 / 5 + 32);
                }
                const SweepRequest r = request(family, std::string(f.name), t, c.scale, c.english);
                Rows none({});
                EXPECT_EQ(runSweep(r, none).rows(), c.count) << f.name << " " << c.scale;
                EXPECT_EQ(differenceFromSingles(r, none), "") << c.scale;
            }
}

TEST(Sweep, ReadsATableOnceAndOnlyWhenItNeedsIt) {
    Rows table(kAwkward);
    runSweep(request(Family::Liquids, "MEDIDO", {200, 250, 260, 325.3, 500}), table);
    EXPECT_EQ(table.reads, 1);
    Rows unused(kAwkward);
    runSweep(request(Family::Gases, "AIRE", {100, 300, 3000}), unused);
    EXPECT_EQ(unused.reads, 0) << "a built-in fluid inside its range never reads its table";
}

// The messages of a stop are the single evaluations' (above); here what the screen and the
// calculator read of it.
TEST(Sweep, StopsAndKeepsTheRowsBefore) {
    const auto stopOf = [](SweepRequest r, Rows source) {
        const SweepTable t = runSweep(r, source);
        return std::tuple(t.stop, t.rows(), t.stopMessage);
    };
    SweepRequest zero = request(Family::Gases, "AIRE", {300, 400});
    zero.pressure = 0;
    EXPECT_EQ(stopOf(zero, Rows(kAwkward)), std::tuple(SweepStop::ZeroPressure, 0u, message(MessageId::ZeroPressure)));
    EXPECT_EQ(stopOf(request(Family::Gases, "AIRE", {2999, 3000, 3001, 3002}), Rows(kAwkward, true)),
              std::tuple(SweepStop::Unreadable, 2u, message(MessageId::TableUnreadable, "LA TABLA NO SE PUEDE LEER")));
    EXPECT_EQ(stopOf(request(Family::Liquids, "X", {300, 310}), Rows({row(300, 1)})),
              std::tuple(SweepStop::TooFewPoints, 0u, message(MessageId::TooFewPoints)));
}

// The columns a program asks for hold the table's rows, bit for bit, up to the first row the
// table could not give values for; that row's message ends them, and every other message is
// told once.
TEST(Sweep, ColumnsHoldTheTablesRowsUpToTheFirstRefusal) {
    struct Case {
        const char* what;
        Family family;
        std::string fluid;
        std::vector<double> temperatures;
        bool english;
        std::optional<Message> refusal;
        std::size_t warnings;
        int reads;
        std::optional<RowSource> source;  // where every row came from, when all from one place
    };
    const Message below0 = refusal(TemperatureOutcome::DoesNotExist);
    std::vector<double> many;
    for (double t = 100; t <= 3000; t += 0.5) many.push_back(t);
    const Case cases[] = {
        {"a gas inside and outside its range", Family::Gases, "AIRE", {90, 100, 300, 2999.5, 3000, 3010, 95}, false,
         std::nullopt, 1, 1, std::nullopt},
        {"a liquid, English units", Family::Liquids, "AGUA", {273, 300, 573, 600}, true, std::nullopt, 1, 1,
         std::nullopt},
        {"a gas inside its range", Family::Gases, "AIRE", many, false, std::nullopt, 0, 0, RowSource::Correlation},
        {"a stored table beyond both ends", Family::Liquids, "MEDIDO", {200, 325.3, 500, 240}, false, std::nullopt,
         2, 1, std::nullopt},
        {"a stored table beyond its ends only", Family::Liquids, "MEDIDO", {200, 500, 240}, false, std::nullopt, 2, 1,
         RowSource::Extrapolated},
        {"a stored table between its points", Family::Liquids, "MEDIDO", {260, 320, 440}, false, std::nullopt, 0, 1,
         RowSource::Interpolated},
        {"below 0 K", Family::Liquids, "MEDIDO", {300, 500, -1, 310}, false, below0, 1, 1, std::nullopt},
        {"not a number: refused before anything is read", Family::Gases, "AIRE", {std::nan(""), 300}, false,
         refusal(TemperatureOutcome::NotANumber), 0, 0, std::nullopt},
    };
    EachLanes restore;
    for (const Lanes lanes : EachLanes::all)
    for (const Case& c : cases) {
        useLanes(lanes);
        Rows table(kAwkward), again(kAwkward);
        const SweepRequest r = request(c.family, c.fluid, c.temperatures, "K", c.english);
        Messages told;
        const SweepTable t = runSweep(r, table, &told);
        std::vector<std::vector<double>> columns(kPropertyCount, std::vector<double>(c.temperatures.size()));
        std::vector<RowSource> from(c.temperatures.size());
        SweepColumns out;
        for (std::size_t i = 0; i < kPropertyCount; ++i) out.value[i] = columns[i].data();
        out.source = from.data();
        const ColumnsOutcome o = sweepColumns(r, c.temperatures, again, out);

        EXPECT_EQ(o.refusal, c.refusal) << c.what;
        EXPECT_EQ(o.source, c.source) << c.what;
        EXPECT_EQ(o.warnings.size(), c.warnings) << c.what;
        for (const Message& w : o.warnings)
            EXPECT_NE(std::find(told.told.begin(), told.told.end(), w), told.told.end()) << c.what;
        EXPECT_EQ(again.reads, c.reads) << c.what;
        for (std::size_t row = 0; row < t.rows() && t.computed(row); ++row) {
            EXPECT_EQ(from[row], t.source[row]) << c.what << " row " << row;
            for (const PropertyInfo& p : propertiesOf(c.family))
                EXPECT_EQ(bitsOf(columns[index(p.id)][row]), bitsOf(t.value(row, p.id)))
                    << c.what << " row " << row << " " << p.column;
        }
    }
}
