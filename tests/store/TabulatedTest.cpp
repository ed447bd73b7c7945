// Evaluation from stored tables on real database files, through the driver and the
// command-line calculator.
#include "tests/store/StoreTesting.h"

#include "cli/Calculator.h"

#include <cmath>
#include <sstream>

using namespace velm;
using namespace velm::testing;

namespace {

// Every value of a point is its column's scale times f(T); f is 4, 6, 7 at 300, 350, 400 K,
// so the two segments have different slopes. Powers of two keep the values exact as floats.
constexpr std::array<double, 8> kScale{1, 2, 0.5, 0.25, 8, 0.125, 3, 0.0625};

std::vector<double> row(double T, double f, bool gas) {
    std::vector<double> r{T};
    for (std::size_t i = 0; i < (gas ? 7u : 8u); ++i) r.push_back(kScale[i] * f);
    return r;
}


}  // namespace

TEST_F(StoreTest, InterpolatesAndExtrapolatesAStoredTable) {
    for (const Family family : kFamilies) {
        const bool gas = family == Family::Gases;
        store(family).createTable("TRES");
        for (const auto& [T, f] : {std::pair{350.0, 6.0}, {400.0, 7.0}, {300.0, 4.0}})
            store(family).appendRow("TRES", row(T, f, gas));
    }
    struct Case {
        const char* family;
        double T, P, f;
        const char* message;
    };
    const char* above = "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA TABLA TRES  ( LA "
                        "TEMPERATURA ES MAYOR A 400 ) SE EXTRAPOLARA";
    const char* below = "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA TABLA TRES  ( LA "
                        "TEMPERATURA ES MENOR A 300) SE EXTRAPOLARA";
    const Case cases[] = {
        {"GASES", 325, 101.3, 5, nullptr},  {"GASES", 350, 101.3, 6, nullptr},
        {"GASES", 450, 101.3, 8, above},    {"GASES", 250, 101.3, 2, below},
        {"GASES", 350, 202.6, 6, nullptr},  {"GASES", 325, 202.6, 5, nullptr},
        {"LIQUIDOS", 325, 0, 5, nullptr},   {"LIQUIDOS", 450, 0, 8, above},
        {"LIQUIDOS", 250, 0, 2, below},
    };
    for (const Case& c : cases) {
        const std::string name = std::string(c.family) + " " + std::to_string(c.T) + " K " +
                                 std::to_string(c.P) + " kPa";
        const Evaluated r = evaluate(files, *familyNamed(c.family), "TRES", c.T, c.P);
        ASSERT_EQ(r.outcome, EvaluationOutcome::Shown) << name;
        EXPECT_EQ(r.messages, c.message ? std::vector<std::string>{c.message}
                                        : std::vector<std::string>{})
            << name;
        const bool gas = std::string(c.family) == "GASES";
        const double pressureRatio = gas ? c.P / 101.3 : 1;
        std::array<double, 8> want{};
        for (std::size_t i = 0; i < want.size(); ++i) want[i] = kScale[i] * c.f;
        want[index(Property::DEN)] *= pressureRatio;
        want[index(Property::UN)] /= pressureRatio;
        want[index(Property::ALFA)] /= pressureRatio;
        if (gas) want[index(Property::BETA)] = 0;
        for (std::size_t i = 0; i < want.size(); ++i)
            EXPECT_DOUBLE_EQ(r.results()[i], want[i]) << name << ": " << kProperties[i].column;
    }
}

TEST_F(StoreTest, PointsAreTheDistinctStoredFloats) {
    const float stored27315 = 273.15f;
    struct Case {
        const char* what;
        std::vector<std::pair<double, double>> points;  // TEMP, DEN
        double T;
        EvaluationOutcome outcome;
        double den;
    };
    const Case cases[] = {
        {"one point", {{300, 1}}, 300, EvaluationOutcome::TooFewPoints, 0},
        {"one point stored twice counts once", {{300, 1}, {300, 1}}, 300,
         EvaluationOutcome::TooFewPoints, 0},
        {"a typed 273.15 lies above the stored float: interpolated toward 280",
         {{273.15, 0}, {280, 1}}, 273.15, EvaluationOutcome::Shown,
         (273.15 - double(stored27315)) / (280 - double(stored27315))},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string title = "T" + std::to_string(++n);
        liquids.createTable(title);
        for (const auto& [T, den] : c.points)
            liquids.appendRow(title, {T, den, 1, 1, 1, 1, 1, 1, 1});
        const Evaluated r = evaluate(files, Family::Liquids, title, c.T);
        ASSERT_EQ(r.outcome, c.outcome) << c.what;
        if (c.outcome == EvaluationOutcome::TooFewPoints) {
            EXPECT_EQ(r.messages, std::vector<std::string>{
                                      "EL NUMERO DE REGISTROS EN LA TABLA NO ES SUFICIENTE (ES "
                                      "MENOR QUE 2) PARA REALIZAR LA INTERPOLACION"})
                << c.what;
        } else {
            EXPECT_DOUBLE_EQ(*r.m.DEN, c.den) << c.what;
        }
    }
}

// The shipped AIRE table: its last rows are 2500 K (DEN 0.1389) and 3000 K (DEN 0.1135).
TEST_F(StoreTest, ABuiltInFluidReadsItsTableOnlyOutsideItsRange) {
    const double den2500 = double(0.1389f), den3000 = double(0.1135f);
    const Evaluated inRange = evaluate(files, Family::Gases, "AIRE", 300);
    EXPECT_NEAR(*inRange.m.DEN, 1.16011096, 1e-8) << "the correlation, not the table's 1.1614";
    const Evaluated outside = evaluate(files, Family::Gases, "AIRE", 3500, 101.3, "NO");
    ASSERT_EQ(outside.outcome, EvaluationOutcome::Shown);
    EXPECT_TRUE(outside.messages.empty()) << "warned at acceptance already";
    EXPECT_DOUBLE_EQ(*outside.m.DEN, den3000 + (den3000 - den2500) / 500 * 500);
}

TEST(StoreCalculator, ExtrapolatesABuiltInFluidFromItsShippedTable) {
    QTemporaryDir dir;
    const std::string db = dir.path().toStdString();
    std::ostringstream out, err;
    ASSERT_EQ(runCalculator({"--family", "GASES", "--fluid", "AIRE", "--temp", "3500",
                             "--pressure", "101.3", "--db-dir", db},
                            out, err),
              0);
    EXPECT_EQ(err.str(), "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA ECUACION DEL (DE "
                         "LA) AIRE  ( 100K <= T <= 3000K ) ,   SE EXTRAPOLARA (POCO "
                         "RECOMENDABLE)\n");
    const std::string values = out.str().substr(out.str().find('\n') + 1);
    const double den = 2 * double(0.1135f) - double(0.1389f);
    EXPECT_NEAR(std::stod(values.substr(values.find(',') + 1)), den, 1e-14) << values;
}
