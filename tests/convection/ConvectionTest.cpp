// The convection layer: its correlations against published and independent values, the
// regime and property temperature of each case, β, L = A/P, the English factors, fluids from
// a stored table, and every warning and refusal.
#include "convection/ConvectionEntry.h"
#include "i18n/Derivation.h"
#include "engine/Calcular.h"
#include "i18n/MessageText.h"
#include "engine/UserError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace velm;
using namespace velm::convection;

namespace {

TablePoint point(double T, double beta = 2e-4) {
    TablePoint p;
    p.TEMP = T;
    // DEN, CP, MIU, UN, K, ALFA, PR, BETA: a water-like fluid whose properties do not change
    // with the temperature (but BETA may), so that Re, Gr and Ra follow from the inputs.
    p.value = {1000, 4, 1e-3, 1e-6, 0.6, 1.5e-7, 7, beta};
    return p;
}

// A stored table in memory; counts its readings.
class Table : public PointSource {
public:
    explicit Table(std::vector<TablePoint> p = {point(200), point(600)}) : points(std::move(p)) {}
    void readPoints(Family, std::string_view, const std::function<void(const TablePoint&)>& take) override {
        ++reads;
        if (unreadable) throw UserError("NO SE PUEDE LEER LA TABLA");
        for (const TablePoint& p : points) take(p);
    }
    std::vector<TablePoint> points;
    int reads = 0;
    bool unreadable = false;
};

Inputs inputs(Case c, double Ts, double Tinf, double L, double V = 0) {
    Inputs in;
    in.kase = c;
    in.surface = Ts;
    in.fluid = Tinf;
    in.length = L;
    in.velocity = V;
    return in;
}

// The standard acceleration of gravity (3rd CGPM, 1901), written here rather than taken from
// the code under test.
constexpr double kStandardGravity = 9.80665;

// Ra of the table's fluid at ΔT = 100 K and length L: g β ΔT L³ / ν² × Pr.
double raOf(double L) { return kStandardGravity * 2e-4 * 100 * L * L * L / 1e-12 * 7; }

}  // namespace

TEST(Correlations, MatchPublishedAndIndependentValues) {
    struct Case {
        const char* what;
        double got, want, tolerance;
    };
    const Case cases[] = {
        // Incropera & DeWitt, Fundamentals of Heat and Mass Transfer, 6th ed., Example 7.4:
        // Re_D = 6071, Pr = 0.70, Churchill-Bernstein Nu_D = 40.6.
        {"Churchill-Bernstein", nuChurchillBernstein(6071, 0.70), 40.6, 0.05},
        // The same book, Example 9.2 (the glass-door firescreen): Ra_L = 1.813E9, Pr = 0.690,
        // Churchill-Chu Nu_L = 147.
        {"Churchill-Chu vertical", nuChurchillChuVertical(1.813e9, 0.690), 147, 0.5},
        // Independent references: each textbook formula evaluated separately (Python 3, IEEE
        // doubles) at the Re, Pr, Ra given here.
        {"laminar plate Re 1E5 Pr 0.7", nuPlateLaminar(1e5, 0.7), 186.4378528752262, 1e-9},
        {"mixed plate Re 1E6 Pr 0.7", nuPlateMixed(1e6, 0.7), 1299.4849535257342, 1e-9},
        {"Whitaker Re 1E4 Pr 0.7 ratio 1.2", nuWhitaker(1e4, 0.7, 1.2), 63.57173483011945, 1e-9},
        {"Gnielinski Re 1E4 Pr 3", nuGnielinski(1e4, 3), 57.10639526398938, 1e-9},
        {"Dittus-Boelter heating Re 1E5 Pr 5", nuDittusBoelter(1e5, 5, true), 437.8404059046523, 1e-9},
        {"Dittus-Boelter cooling Re 1E5 Pr 5", nuDittusBoelter(1e5, 5, false), 372.7510172393355, 1e-9},
        {"Churchill-Chu cylinder Ra 1E7 Pr 0.7", nuChurchillChuCylinder(1e7, 0.7), 28.20138141612345, 1e-9},
        {"Churchill sphere Ra 1E6 Pr 0.7", nuChurchillSphere(1e6, 0.7), 16.349707339313284, 1e-9},
    };
    // The published values to their last digit; the independent ones to rounding.
    for (const Case& c : cases)
        EXPECT_NEAR(c.got, c.want, c.tolerance < 1e-3 ? c.tolerance * c.want : c.tolerance) << c.what;
}

// Each case's correlation by regime, the temperature its properties are taken at, and Nu. The
// table's fluid has Pr = 7 and ν = 1E-6 m²/s, so that Re = V L / ν and Ra (raOf) are round; the
// expected Nu are each textbook formula evaluated independently at those Re, Ra and Pr = 7
// (Python's decimal module, 40 digits), written here as literals.
TEST(Cases, ChooseTheirRegimeAndPropertyTemperature) {
    struct Row {
        const char* what;
        Inputs in;
        NuCorrelation want;
        double propertyTemperature, Nu;
    };
    Inputs tubeFlux = inputs(Case::Tube, 400, 300, 1, 1e-3);
    tubeFlux.wall = WallCondition::Flux;
    Inputs dittus = inputs(Case::Tube, 400, 300, 1, 1e-2);
    dittus.tube = TubeCorrelation::DittusBoelter;
    Inputs dittusCooling = dittus;
    dittusCooling.surface = 250;
    const double L6 = std::cbrt(1e6 / raOf(1)), L9 = std::cbrt(1e9 / raOf(1));
    const Row rows[] = {
        {"plate Re 1E5", inputs(Case::FlatPlate, 400, 300, 1, 0.1), NuCorrelation::PlateLaminar, 350, 401.6681777694479},
        {"plate Re 1E6", inputs(Case::FlatPlate, 400, 300, 1, 1), NuCorrelation::PlateMixed, 350, 2799.655463050310},
        {"cylinder Re 1E4", inputs(Case::Cylinder, 400, 300, 1, 0.01), NuCorrelation::ChurchillBernstein, 350,
         126.1056351662954},
        {"sphere Re 1E4, MIU/MIU_S 1", inputs(Case::Sphere, 400, 300, 1, 0.01), NuCorrelation::Whitaker, 300,
         149.7699338225080},
        {"tube Re 1000", inputs(Case::Tube, 400, 300, 1, 1e-3), NuCorrelation::TubeLaminarTemperature, 300, 3.66},
        {"tube Re 1000 flux", tubeFlux, NuCorrelation::TubeLaminarFlux, 300, 4.36},
        // Laminar below Re = 2300, turbulent from it.
        {"tube Re 2200", inputs(Case::Tube, 400, 300, 1, 2.2e-3), NuCorrelation::TubeLaminarTemperature, 300, 3.66},
        {"tube Re 2300", inputs(Case::Tube, 400, 300, 1, 2.3e-3), NuCorrelation::Gnielinski, 300, 15.48408576718659},
        {"tube Re 1E4", inputs(Case::Tube, 400, 300, 1, 1e-2), NuCorrelation::Gnielinski, 300, 79.49264509410907},
        {"tube Dittus-Boelter heating", dittus, NuCorrelation::DittusBoelter, 300, 79.39022851754189},
        {"tube Dittus-Boelter cooling", dittusCooling, NuCorrelation::DittusBoelter, 300, 65.35175396357930},
        {"vertical plate Ra 1E9", inputs(Case::VerticalPlate, 400, 300, L9), NuCorrelation::ChurchillChuVertical, 350,
         152.5226407005853},
        {"horizontal cylinder Ra 1E9", inputs(Case::HorizontalCylinder, 400, 300, L9),
         NuCorrelation::ChurchillChuCylinder, 350, 145.8970752992754},
        {"sphere free Ra 1E6", inputs(Case::SphereFree, 400, 300, L6), NuCorrelation::ChurchillSphere, 350,
         19.05899430387946},
        {"hot plate facing up Ra 1E6", inputs(Case::HorizontalPlateUp, 400, 300, L6), NuCorrelation::PlateHotUpLaminar, 350,
         17.07629936490925},
        {"hot plate facing up Ra 1E9", inputs(Case::HorizontalPlateUp, 400, 300, L9), NuCorrelation::PlateHotUpTurbulent,
         350, 150},
        {"cold plate facing up Ra 1E6", inputs(Case::HorizontalPlateUp, 300, 400, L6), NuCorrelation::PlateHotDown, 350,
         8.241444600797790},
        {"hot plate facing down Ra 1E6", inputs(Case::HorizontalPlateDown, 400, 300, L6), NuCorrelation::PlateHotDown, 350,
         8.241444600797790},
        {"cold plate facing down Ra 1E6", inputs(Case::HorizontalPlateDown, 300, 400, L6), NuCorrelation::PlateHotUpLaminar,
         350, 17.07629936490925},
    };
    Table table;
    FluidProperties fluid(Family::Liquids, "AGUA PROPIA", 0, table);
    for (const Row& row : rows) {
        const Outcome o = calculate(fluid, row.in);
        ASSERT_EQ(o.stop, Stop::None) << row.what << ": " << messageText(o.message);
        const Result& r = o.result;
        EXPECT_EQ(r.correlation, row.want) << row.what;
        EXPECT_EQ(r.propertyTemperature, row.propertyTemperature) << row.what;
        EXPECT_NEAR(r.Nu, row.Nu, 1e-9 * row.Nu) << row.what;
        EXPECT_DOUBLE_EQ(r.h, r.Nu * 0.6 / row.in.length) << row.what;
        EXPECT_DOUBLE_EQ(r.q, r.h * (row.in.surface - row.in.fluid)) << row.what << ": q < 0 when the surface is cooler";
        EXPECT_EQ(r.Re.has_value(), info(row.in.kase).forced) << row.what;
        EXPECT_EQ(r.Ra.has_value(), !info(row.in.kase).forced) << row.what;
    }
    EXPECT_EQ(table.reads, 1) << "the table is read once for every calculation through the fluid";
}

// β: 1/T in kelvin for a gas (ideal), the liquid's own BETA at the film temperature.
TEST(Cases, TakeBetaFromTheIdealGasOrTheLiquid) {
    Table liquidTable({point(300, 1e-4), point(400, 3e-4)});
    FluidProperties liquid(Family::Liquids, "L", 0, liquidTable);
    const Result l = calculate(liquid, inputs(Case::VerticalPlate, 380, 320, 0.1)).result;
    EXPECT_DOUBLE_EQ(l.value(Property::BETA), 2e-4) << "interpolated at Tf = 350 K";
    EXPECT_NEAR(*l.Gr, kStandardGravity * 2e-4 * 60 * 1e-3 / 1e-12, 1e3);

    Table gasTable;
    FluidProperties gas(Family::Gases, "G", kReferencePressure, gasTable);
    const Result g = calculate(gas, inputs(Case::VerticalPlate, 380, 320, 0.1)).result;
    EXPECT_DOUBLE_EQ(g.value(Property::BETA), 1.0 / 350);
    EXPECT_NEAR(*g.Gr, kStandardGravity * (1.0 / 350) * 60 * 1e-3 / 1e-12, 1e4);
}

// A built-in fluid within its range takes its correlations: the same numbers as the property
// screen's step. μs is taken at Ts.
TEST(Cases, TakeABuiltInFluidsCorrelationsAndTheSurfaceViscosityAtTs) {
    Table unused;
    FluidProperties air(Family::Gases, "AIRE", 101.3, unused);
    const Outcome o = calculate(air, inputs(Case::Sphere, 350, 300, 0.01, 10));
    ASSERT_EQ(o.stop, Stop::None) << messageText(o.message);
    const FluidCorrelations& c = *findCorrelations(gasCorrelations(), "AIRE");
    const auto at300 = gasValues(c, 300, 101.3), at350 = gasValues(c, 350, 101.3);
    EXPECT_EQ(o.result.value(Property::MIU), at300[index(Property::MIU)]);
    EXPECT_EQ(*o.result.surfaceViscosity, at350[index(Property::MIU)]);
    EXPECT_DOUBLE_EQ(*o.result.Re, 10 * 0.01 / at300[index(Property::UN)]);
    EXPECT_EQ(unused.reads, 0);
    EXPECT_TRUE(std::any_of(o.result.warnings.begin(), o.result.warnings.end(),
                            [](const Message& w) { return messageText(w).rfind("MIU/MIU_S = 0.", 0) == 0; }))
        << "air is more viscous at Ts: below Whitaker's 1 <= MIU/MIU_S";
}

TEST(Cases, TakeAStoredTableWithTheUsualWarnings) {
    // A built-in fluid outside its range: from its table, warned once as the property screen warns.
    Table air;
    FluidProperties outside(Family::Gases, "AIRE", 101.3, air);
    const Outcome o = calculate(outside, inputs(Case::Cylinder, 20, 30, 0.01, 1));
    ASSERT_EQ(o.stop, Stop::None);
    EXPECT_EQ(o.result.warnings.front(), message(MessageId::OutOfCorrelationRange, "AIRE", 100, 3000));
    EXPECT_DOUBLE_EQ(o.result.value(Property::DEN), 1000);
    // Any other fluid beyond its table: extrapolated, with the table's warning.
    Table other;
    FluidProperties mine(Family::Liquids, "MIO", 0, other);
    const Outcome beyond = calculate(mine, inputs(Case::Cylinder, 700, 650, 0.01, 1));
    ASSERT_EQ(beyond.stop, Stop::None);
    EXPECT_EQ(beyond.result.warnings.front(), message(MessageId::AboveTable, "MIO", 600));
}

// Every correlation's stated range: the warning names the correlation and its range, and the
// number is still computed.
TEST(Cases, WarnOutsideEveryStatedRange) {
    Inputs dittus = inputs(Case::Tube, 400, 300, 1, 5e-3);
    dittus.tube = TubeCorrelation::DittusBoelter;
    struct Row {
        Inputs in;
        const char* starts;  // the group and its value
        NuCorrelation correlation;
    };
    const Row rows[] = {
        {inputs(Case::FlatPlate, 400, 300, 1000, 1e3), "Re = 1E+12", NuCorrelation::PlateMixed},
        {inputs(Case::Sphere, 400, 300, 1e-3, 1e-3), "Re = 1 ", NuCorrelation::Whitaker},
        {inputs(Case::Tube, 400, 300, 1, 2.5e-3), "Re = 2500 ", NuCorrelation::Gnielinski},
        {dittus, "Re = 5000 ", NuCorrelation::DittusBoelter},
        {inputs(Case::HorizontalCylinder, 400, 300, 10), "Ra = 1.373E+15", NuCorrelation::ChurchillChuCylinder},
        {inputs(Case::SphereFree, 400, 300, 10), "Ra = 1.373E+15", NuCorrelation::ChurchillSphere},
        {inputs(Case::HorizontalPlateUp, 400, 300, 1e-3), "Ra = 1373 ", NuCorrelation::PlateHotUpLaminar},
        {inputs(Case::HorizontalPlateUp, 400, 300, 10), "Ra = 1.373E+15", NuCorrelation::PlateHotUpTurbulent},
        {inputs(Case::HorizontalPlateDown, 400, 300, 0.2), "Ra = 1.098E+10", NuCorrelation::PlateHotDown},
    };
    Table table;
    FluidProperties fluid(Family::Liquids, "AGUA PROPIA", 0, table);
    for (const Row& row : rows) {
        const Outcome o = calculate(fluid, row.in);
        const std::string name(correlationName(row.correlation)), range(correlationRange(row.correlation));
        ASSERT_EQ(o.stop, Stop::None) << name;
        EXPECT_EQ(o.result.correlation, row.correlation) << name;
        ASSERT_EQ(o.result.warnings.size(), 1u) << name;
        const std::string w = messageText(o.result.warnings[0]);
        EXPECT_EQ(w.rfind(row.starts, 0), 0u) << w;
        EXPECT_NE(w.find("DE LA CORRELACION " + name + " ( " + range + " )"), std::string::npos) << w;
        EXPECT_TRUE(std::isfinite(o.result.h)) << name;
    }
    // Pr: the laminar plate's, the cylinder's Re Pr.
    Table thin({point(200), point(600)});
    for (TablePoint& p : thin.points) p.value[index(Property::PR)] = 0.01;
    FluidProperties metal(Family::Liquids, "METAL", 0, thin);
    EXPECT_EQ(messageText(calculate(metal, inputs(Case::FlatPlate, 400, 300, 1, 0.1)).result.warnings.at(0)).rfind("Pr = 0.01 ", 0), 0u);
    EXPECT_EQ(messageText(calculate(metal, inputs(Case::Cylinder, 400, 300, 1e-3, 1e-3)).result.warnings.at(0)).rfind("Re Pr = 0.01 ", 0),
              0u);
}

TEST(Cases, RefuseWhatCannotBeComputed) {
    Table table, few({point(300)}), broken;
    broken.unreadable = true;
    FluidProperties fluid(Family::Liquids, "AGUA PROPIA", 0, table), one(Family::Liquids, "UNO", 0, few),
        unreadable(Family::Liquids, "ROTA", 0, broken);
    Table gasTable;
    FluidProperties vacuum(Family::Gases, "G", 0, gasTable);
    struct Row {
        FluidProperties* fluid;
        Inputs in;
        Stop stop;
        Message message;
    };
    const Row rows[] = {
        {&fluid, inputs(Case::Cylinder, -1, 300, 1, 1), Stop::DoesNotExist, message(MessageId::TemperatureDoesNotExist)},
        {&fluid, inputs(Case::Cylinder, 300, 300, 0, 1), Stop::NotPositive, message(MessageId::DiameterNotPositive)},
        {&fluid, inputs(Case::FlatPlate, 300, 300, 1, 0), Stop::NotPositive, message(MessageId::VelocityNotPositive)},
        {&one, inputs(Case::FlatPlate, 350, 300, 1, 1), Stop::TooFewPoints, message(MessageId::TooFewPoints)},
        {&unreadable, inputs(Case::FlatPlate, 350, 300, 1, 1), Stop::Unreadable,
         message(MessageId::TableUnreadable, "NO SE PUEDE LEER LA TABLA")},
        {&vacuum, inputs(Case::FlatPlate, 350, 300, 1, 1), Stop::ZeroPressure, message(MessageId::ZeroPressure)},
    };
    for (const Row& row : rows) {
        const Outcome o = calculate(*row.fluid, row.in);
        EXPECT_EQ(o.stop, row.stop) << messageText(row.message);
        EXPECT_EQ(o.message, row.message);
    }
}

TEST(Entry, RefusesEveryBadBoxAsThePropertyScreenDoes) {
    Setting gas{Case::FlatPlate, Family::Gases, "AIRE", {}, {}, {}};
    Setting plate{Case::HorizontalPlateUp, Family::Liquids, "AGUA", {}, {}, {}};
    const Message nan = message(MessageId::NotANumber), no = message(MessageId::TemperatureDoesNotExist);
    struct Row {
        const Setting* s;
        EntryTexts t;
        Field field;
        Message message;
    };
    const Row rows[] = {
        {&gas, {"x", "300", "1", "", "1", "101.3"}, Field::Surface, nan},
        {&gas, {"-274", "300", "1", "", "1", "101.3"}, Field::Surface, no},
        {&gas, {"300", "", "1", "", "1", "101.3"}, Field::Fluid, nan},
        {&gas, {"300", "-1", "1", "", "1", "101.3"}, Field::Fluid, no},
        {&gas, {"300", "300", "1,5", "", "1", "101.3"}, Field::Length, nan},
        {&gas, {"300", "300", "0", "", "1", "101.3"}, Field::Length, message(MessageId::LengthNotPositive)},
        {&gas, {"300", "300", "1", "", "-2", "101.3"}, Field::Velocity, message(MessageId::VelocityNotPositive)},
        {&gas, {"300", "300", "1", "", "1", "-1"}, Field::Pressure, message(MessageId::NegativePressure)},
        {&plate, {"300", "300", "0", "4", "", ""}, Field::Length, message(MessageId::AreaNotPositive)},
        {&plate, {"300", "300", "2", "x", "", ""}, Field::Perimeter, nan},
        {&plate, {"300", "300", "2", "0", "", ""}, Field::Perimeter, message(MessageId::PerimeterNotPositive)},
    };
    for (const Row& row : rows) {
        const Entry e = acceptEntry(*row.s, row.t, false);
        EXPECT_EQ(e.refused, row.field) << messageText(row.message);
        EXPECT_EQ(e.message, row.message);
    }
}

// L = A/P, and the English units: lengths and velocities in ft and ft/s, areas in ft², the
// temperatures in ºF, h and q converted with exact factors.
TEST(Entry, TakesAreaOverPerimeterAndEnglishUnits) {
    Setting plate{Case::HorizontalPlateUp, Family::Liquids, "AGUA", {}, {}, {}};
    EXPECT_EQ(acceptEntry(plate, {"400", "300", "2", "4", "", ""}, false).inputs.length, 0.5);
    EXPECT_EQ(acceptEntry(plate, {"400", "300", "0.25", "", "", ""}, false).inputs.length, 0.25) << "L itself";
    plate.units = {true, "ºF"};
    const Entry e = acceptEntry(plate, {"212", "32", "2", "4", "", ""}, false);
    EXPECT_DOUBLE_EQ(e.inputs.length, 0.5 * 0.3048);
    EXPECT_EQ(e.inputs.surface, 373);
    EXPECT_EQ(e.inputs.fluid, 273);

    Setting gas{Case::Cylinder, Family::Gases, "AIRE", {true, "ºF"}, {}, {}};
    const Entry g = acceptEntry(gas, {"100", "50", "1", "", "10", "14.696"}, false);
    EXPECT_DOUBLE_EQ(g.inputs.velocity, 3.048);
    EXPECT_DOUBLE_EQ(g.pressure, kReferencePressure);

    // NIST SP 811, Appendix B.9: 1 Btu_IT/(h·ft²·ºF) = 5.678 263 W/(m²·K), 1 Btu_IT/(h·ft²) = 3.154 591 W/m².
    EXPECT_NEAR(1 / kHToEnglish, 5.678263, 5e-7);
    EXPECT_NEAR(1 / kQToEnglish, 3.154591, 5e-7);
    Result r;
    r.h = 100;
    r.q = 1000;
    r.propertyTemperature = 373;
    r.property[index(Property::MIU)] = 1;
    const Shown s = shown(r, {true, "ºF"});
    EXPECT_EQ(s.h, 100 * kHToEnglish);
    EXPECT_EQ(s.q, 1000 * kQToEnglish);
    EXPECT_EQ(s.propertyTemperature, 212);
    EXPECT_EQ(s.property[index(Property::MIU)], info(Property::MIU).toEnglish);
    r.surfaceViscosity = 2e-5;  // Pa·s
    EXPECT_DOUBLE_EQ(*shown(r, {true, "ºF"}).surfaceViscosity, 2e-5 * 0.02089) << "μs in lbf·s/ft², as MIU";
}

// Incropera & DeWitt, Fundamentals of Heat and Mass Transfer, 6th ed., Example 7.4: air at
// 10 m/s across a cylinder of 12.7 mm diameter, its properties at the film temperature 350 K:
// Re_D = 6071, Nu_D = 40.6, h = 96.0 W/(m²·K) (with k = 0.030 W/(m·K)). The program's own air
// at Tf = 350 K gives the same within the rounding of the book's properties.
TEST(Cases, ReproduceAWorkedExampleWithTheProgramsAir) {
    Table unused;
    FluidProperties air(Family::Gases, "AIRE", 101.3, unused);
    const Outcome o = calculate(air, inputs(Case::Cylinder, 400, 300, 0.0127, 10));
    ASSERT_EQ(o.stop, Stop::None);
    EXPECT_NEAR(*o.result.Re, 6071, 6);
    EXPECT_NEAR(o.result.Nu, 40.6, 0.05);
    EXPECT_NEAR(o.result.h, 96.0, 0.5);
    EXPECT_TRUE(o.result.warnings.empty());
}

// Incropera & DeWitt, Fundamentals of Heat and Mass Transfer, 6th ed., Example 9.2: a glass
// fire screen 0.71 m high at 232 ºC in a room at 23 ºC; air at Tf = 400 K with k = 0.0338
// W/(m·K), ν = 26.41E-6 m²/s, Pr = 0.690, β = 1/Tf: Ra_L = 1.813E9, Nu_L = 147, h = 7.0 W/(m²·K).
// Here those properties are a stored table's, constant, so that every number is fixed: Gr, Ra,
// Nu, h and q below were worked out independently from them with g = 9.80665 m/s² (Python's
// decimal module, 40 digits); the book's Ra differs in its fourth digit, from g = 9.8 and α.
TEST(Cases, ReproduceAFreeConvectionWorkedExample) {
    TablePoint air;
    air.value = {0.8711, 1.014, 230.1e-7, 26.41e-6, 0.0338, 38.3e-6, 0.690, 0.0025};
    air.TEMP = 300;
    TablePoint hot = air;
    hot.TEMP = 600;
    Table table({air, hot});
    FluidProperties fluid(Family::Liquids, "AIRE A 400 K", 0, table);
    const Outcome o = calculate(fluid, inputs(Case::VerticalPlate, 505, 296, 0.71));  // 232 ºC and 23 ºC
    ASSERT_EQ(o.stop, Stop::None) << messageText(o.message);
    const Result& r = o.result;
    EXPECT_EQ(r.correlation, NuCorrelation::ChurchillChuVertical);
    EXPECT_NEAR(*r.Gr, 2629330711.173961, 1e-12 * 2629330711.173961);
    EXPECT_NEAR(*r.Ra, 1814238190.710033, 1e-12 * 1814238190.710033);
    EXPECT_NEAR(r.Nu, 147.1502168264108, 1e-12 * 147.1502168264108);
    EXPECT_NEAR(r.h, 7.005179336243217, 1e-12 * 7.005179336243217);
    EXPECT_NEAR(r.q, 1464.082481274832, 1e-12 * 1464.082481274832);
    // The book's own numbers, to their digits.
    EXPECT_NEAR(*r.Ra, 1.813e9, 0.002e9);
    EXPECT_NEAR(r.Nu, 147, 0.5);
    EXPECT_NEAR(r.h, 7.0, 0.05);
}

// Each correlation's range as the derivation and the warnings have always shown it, made from
// its limits.
TEST(Catalogue, MakesEveryRangeFromItsLimits) {
    const std::pair<NuCorrelation, const char*> ranges[] = {
        {NuCorrelation::PlateLaminar, "Pr >= 0.6"},
        {NuCorrelation::PlateMixed, "0.6 <= Pr <= 60, Re <= 1E8"},
        {NuCorrelation::ChurchillBernstein, "Re Pr >= 0.2"},
        {NuCorrelation::Whitaker, "0.71 <= Pr <= 380, 3.5 <= Re <= 7.6E4, 1 <= MIU/MIU_S <= 3.2"},
        {NuCorrelation::TubeLaminarTemperature, "Re < 2300"},
        {NuCorrelation::TubeLaminarFlux, "Re < 2300"},
        {NuCorrelation::Gnielinski, "3000 <= Re <= 5E6, 0.5 <= Pr <= 2000"},
        {NuCorrelation::DittusBoelter, "Re >= 1E4, 0.6 <= Pr <= 160"},
        {NuCorrelation::ChurchillChuVertical, ""},
        {NuCorrelation::ChurchillChuCylinder, "Ra <= 1E12"},
        {NuCorrelation::ChurchillSphere, "Ra <= 1E11, Pr >= 0.7"},
        {NuCorrelation::PlateHotUpLaminar, "1E4 <= Ra <= 1E7, Pr >= 0.7"},
        {NuCorrelation::PlateHotUpTurbulent, "1E7 <= Ra <= 1E11, Pr >= 0.7"},
        {NuCorrelation::PlateHotDown, "1E4 <= Ra <= 1E9, Pr >= 0.7"},
    };
    static_assert(std::size(ranges) == kCorrelationCount);
    for (const auto& [c, range] : ranges) {
        EXPECT_EQ(correlationRange(c), range) << correlationName(c);
        EXPECT_EQ(correlation(c).id, c);
        EXPECT_FALSE(correlation(c).source.empty()) << correlationName(c);
    }
}

