// The choices of the table step that no stored file is needed to show; the behaviour on
// real database files is tested with the store.
#include "engine/CalcularTabla.h"

#include "engine/Messages.h"

#include <gtest/gtest.h>

#include <vector>

using namespace velm;

namespace {

class Points : public PointSource {
public:
    explicit Points(std::vector<TablePoint> points) : points_(std::move(points)) {}
    void readPoints(Family, std::string_view,
                    const std::function<void(const TablePoint&)>& take) override {
        for (const TablePoint& p : points_) take(p);
    }

private:
    std::vector<TablePoint> points_;
};

class Recorder : public Notifier {
public:
    void inform(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// A liquid point whose every value is `v`; `pr` sets the Prandtl number apart, to tell
// rows of one temperature apart.
TablePoint point(double T, double v, double pr = -1) {
    TablePoint p;
    p.TEMP = T;
    p.value.fill(v);
    if (pr >= 0) p.value[index(Property::PR)] = pr;
    return p;
}

}  // namespace

TEST(CalcularTabla, PointsInAnyOrderAndSharingATemperatureNeverDivideByZero) {
    struct Case {
        const char* what;
        std::vector<TablePoint> points;
        double T;
        TablaOutcome outcome;
        double den;  // when computed
    };
    const Case cases[] = {
        {"in any order, between points", {point(400, 5), point(300, 3), point(350, 4)}, 325,
         TablaOutcome::Computed, 3.5},
        {"in any order, above", {point(350, 4), point(400, 5), point(300, 3)}, 450, TablaOutcome::Computed, 6},
        {"in any order, below", {point(350, 4), point(400, 5), point(300, 3)}, 250, TablaOutcome::Computed, 2},
        {"last two share 400 K: extrapolate from 350",
         {point(300, 3), point(350, 4), point(400, 5, 1), point(400, 5, 2)}, 450, TablaOutcome::Computed, 6},
        {"first two share 300 K: extrapolate to 350",
         {point(300, 3, 1), point(300, 3, 2), point(350, 4)}, 250, TablaOutcome::Computed, 2},
        {"one row twice is one point", {point(300, 3), point(300, 3)}, 300, TablaOutcome::TooFewPoints, 0},
        {"one temperature only, above it", {point(300, 3), point(300, 4)}, 350, TablaOutcome::TooFewPoints, 0},
        {"one temperature only, below it", {point(300, 3), point(300, 4)}, 250, TablaOutcome::TooFewPoints, 0},
        {"one temperature only, exactly at it: the last point read stands",
         {point(300, 3), point(300, 4)}, 300, TablaOutcome::Computed, 4},
    };
    for (const Case& c : cases) {
        Module1 m;
        m.FAMILIA = Family::Liquids;
        m.FLUIDO = "X";
        m.TEMP = c.T;
        Points source(c.points);
        Recorder messages;
        EXPECT_EQ(CalcularTabla(m, "NO", source, messages), c.outcome) << c.what;
        if (c.outcome == TablaOutcome::Computed) {
            EXPECT_DOUBLE_EQ(*m.DEN, c.den) << c.what;
            EXPECT_DOUBLE_EQ(*m.BETA, c.den) << c.what;
            EXPECT_TRUE(messages.texts.empty()) << c.what;
        } else {
            EXPECT_EQ(messages.texts, std::vector<std::string>{std::string(msg::kTooFewPoints)})
                << c.what;
        }
    }
}

TEST(CalcularTabla, StoredTemperaturesAreWrittenAsTheUserTypedThem) {
    EXPECT_EQ(storedTemperatureText(300, false), "300");
    EXPECT_EQ(storedTemperatureText(static_cast<float>(373.15), false), "373.15");
    EXPECT_EQ(storedTemperatureText(static_cast<float>(273.15), true), "273,15");
    EXPECT_EQ(storedTemperatureText(static_cast<float>(0.5), false), "0.5");
}
