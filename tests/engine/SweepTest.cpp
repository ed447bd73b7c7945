// The sweep against single evaluations on tables that need no file: the order rows come in,
// rows that share a temperature, tables too small or unreadable.
#include "tests/engine/SweepTesting.h"

#include "engine/Catalogue.h"
#include "engine/Messages.h"
#include "engine/UserError.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velm;
using namespace velm::testing;

namespace {

// Rows handed over in the order given; counts the readings, or fails to read.
class Rows : public PointSource {
public:
    explicit Rows(std::vector<TablePoint> rows, bool unreadable = false)
        : rows_(std::move(rows)), unreadable_(unreadable) {}
    void readPoints(Family, std::string_view, const std::function<void(const TablePoint&)>& take) override {
        ++reads;
        for (const TablePoint& p : rows_) take(p);
        if (unreadable_) throw UserError("LA TABLA NO SE PUEDE LEER");
    }
    int reads = 0;

private:
    std::vector<TablePoint> rows_;
    bool unreadable_;
};

// Each value its own multiple of v, so that no two properties coincide; `tag` tells rows of
// one temperature apart.
TablePoint row(double T, double v, double tag = 0) {
    TablePoint p;
    p.TEMP = T;
    for (std::size_t i = 0; i < kPropertyCount; ++i) p.value[i] = v * double(i + 1) + tag;
    return p;
}

SweepRequest request(Family family, const std::string& fluid, std::vector<double> temperatures,
                     const char* scale = "K", bool english = false) {
    SweepRequest r;
    r.family = family;
    r.fluid = fluid;
    r.scale = scale;
    r.english = english;
    r.pressure = 202.6;
    r.temperatures = std::move(temperatures);
    return r;
}

// Rows out of order; 300 K and 400 K twice with other values, and an identical row twice;
// the ends (250, 450) and the next to them (300, 400) shared, so every tie rule is taken.
const std::vector<TablePoint> kAwkward{
    row(400, 7, 1), row(300, 4, 1), row(350, 6), row(250, 3, 1), row(450, 9, 1), row(300, 4, 2),
    row(350, 6),    row(400, 7, 2), row(250, 3, 2), row(450, 9, 2), row(float(325.3), 5)};

}  // namespace

TEST(Sweep, EqualsSingleEvaluationsToTheBit) {
    std::vector<double> kelvins;
    for (double t = 150; t <= 600; t += 2.5) kelvins.push_back(t);  // every point hit exactly
    for (const double t : {325.3, double(float(325.3)), 0.0, 1e6}) kelvins.push_back(t);
    struct Case {
        const char* what;
        std::vector<TablePoint> rows;
        std::vector<double> temperatures;
        const char* scale;
        bool english;
    };
    const Case cases[] = {
        {"awkward rows, kelvin", kAwkward, kelvins, "K", false},
        {"awkward rows, Celsius, English units", kAwkward, {-150, -23, 27, 52.3, 77, 400}, "ºC", false},
        {"awkward rows, Fahrenheit", kAwkward, {-10, 80, 125.6, 300, 900}, "ºF", true},
        {"below 0 K refused, then on", kAwkward, {-300, -273, 0, 300}, "ºC", false},
        {"a temperature that is not a number in the table", {row(300, 1), row(std::nan(""), 2), row(350, 3)},
         {250, 300, 320, 400}, "K", false},
        {"one temperature only: exact, then a stop", {row(300, 1, 1), row(300, 1, 2)}, {300, 300, 310, 320}, "K", false},
        {"one row twice: no line at all", {row(300, 1), row(300, 1)}, {300, 310}, "K", false},
        {"no rows", {}, {300}, "K", false},
    };
    for (const Case& c : cases)
        for (const Family family : kFamilies) {
            Rows source(c.rows);
            const std::string diff =
                differenceFromSingles(request(family, "MEDIDO", c.temperatures, c.scale, c.english), source);
            EXPECT_EQ(diff, "") << c.what << ", " << familyName(family);
        }
}

TEST(Sweep, EveryBuiltInFluidEqualsSingleEvaluationsInsideAndOutsideItsRange) {
    for (const Family family : kFamilies)
        for (const BuiltInFluid& f : builtInFluids(family)) {
            // A stand-in for the fluid's stored table: a line over its range and beyond.
            Rows table({row(f.lowest - 50, 1), row(f.lowest, 2), row(f.highest, 3), row(f.highest + 50, 4)});
            std::vector<double> t;
            for (double k = f.lowest - 80; k <= f.highest + 80; k += (f.highest - f.lowest) / 97) t.push_back(k);
            t.insert(t.end(), {f.lowest, f.highest, f.lowest - 50, f.highest + 50});
            for (const bool english : {false, true}) {
                SweepRequest r = request(family, std::string(f.name), t);
                r.english = english;
                EXPECT_EQ(differenceFromSingles(r, table), "") << familyName(family) << (english ? " INGLES" : "");
            }
        }
}

TEST(Sweep, ReadsATableOnceAndTellsWhereEachRowCameFrom) {
    Rows table(kAwkward);
    const SweepTable t = runSweep(request(Family::Liquids, "MEDIDO", {200, 250, 260, 325.3, double(float(325.3)), 500}), table);
    EXPECT_EQ(table.reads, 1);
    EXPECT_EQ(t.source, (std::vector<RowSource>{RowSource::Extrapolated, RowSource::TablePoint,
                                                RowSource::Interpolated, RowSource::Interpolated,
                                                RowSource::TablePoint, RowSource::Extrapolated}));
    EXPECT_EQ(t.value(1, Property::PR), 3 * 7 + 2.0) << "at a shared temperature the last row read stands";

    Rows unused(kAwkward);
    const SweepTable inRange = runSweep(request(Family::Gases, "AIRE", {100, 300, 3000}), unused);
    EXPECT_EQ(unused.reads, 0) << "a built-in fluid inside its range never reads its table";
    EXPECT_EQ(inRange.count(RowSource::Correlation), 3u);
}

TEST(Sweep, StopsWithOneMessageAndKeepsTheRowsBefore) {
    struct Case {
        const char* what;
        SweepRequest r;
        Rows source;
        SweepStop stop;
        std::size_t rows;
        std::string message;
    };
    SweepRequest zero = request(Family::Gases, "AIRE", {300, 400});
    zero.pressure = 0;
    Case cases[] = {
        {"a gas at 0 kPa", zero, Rows(kAwkward), SweepStop::ZeroPressure, 0, std::string(msg::kZeroPressure)},
        {"unreadable after the range", request(Family::Gases, "AIRE", {2999, 3000, 3001, 3002}),
         Rows(kAwkward, true), SweepStop::Unreadable, 2, "LA TABLA NO SE PUEDE LEER"},
        {"one point", request(Family::Liquids, "X", {300}), Rows({row(300, 1)}), SweepStop::TooFewPoints, 0,
         std::string(msg::kTooFewPoints)},
    };
    for (Case& c : cases) {
        Messages messages;
        const SweepTable t = runSweep(c.r, c.source, &messages);
        EXPECT_EQ(t.stop, c.stop) << c.what;
        EXPECT_EQ(t.rows(), c.rows) << c.what;
        EXPECT_EQ(t.stopMessage, c.message) << c.what;
        EXPECT_EQ(messages.texts.back(), c.message) << c.what;
    }
}
