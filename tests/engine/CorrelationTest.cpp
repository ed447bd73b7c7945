#include "correlation/Correlation.h"
#include "engine/Calcular.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velm;

namespace {

// Agreement to `digits` significant digits, as the reference values are written.
::testing::AssertionResult agrees(double got, double want, int digits) {
    const double tolerance = 0.5 * std::pow(10.0, 1 - digits) * std::fabs(want);
    if (std::fabs(got - want) <= tolerance * 1.0000001) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << got << ", want " << want << " to " << digits
                                         << " digits";
}

Module1 evaluated(const char* family, const char* fluid, double T, double kPa = 101.3) {
    Module1 m;
    m.FAMILIA = familyNamed(family);
    m.FLUIDO = fluid;
    m.TEMP = T;
    m.PRESION = kPa;
    if (std::string(family) == "GASES") CalcularGas(m);
    else CalcularLiquido(m);
    return m;
}

struct Expected {
    const char* family;
    const char* fluid;
    double T, kPa;
    std::optional<double> Module1::*field;
    const char* name;
    double value;
    int digits;
};

}  // namespace

TEST(Correlations, WorkedValuesAndBoundaries) {
    using M = Module1;
    const Expected cases[] = {
        {"GASES", "AIRE", 300, 101.3, &M::DEN, "DEN", 1.1601, 5},
        {"GASES", "AIRE", 300, 101.3, &M::CP, "CP", 1.007, 4},
        {"GASES", "AIRE", 300, 101.3, &M::MIU, "MIU", 1.8479e-05, 5},
        {"GASES", "AIRE", 300, 101.3, &M::UN, "UN", 1.5915e-05, 5},
        {"GASES", "AIRE", 300, 101.3, &M::K, "K", 0.026266, 5},
        {"GASES", "AIRE", 300, 101.3, &M::ALFA, "ALFA", 2.2483e-05, 5},
        {"GASES", "AIRE", 300, 101.3, &M::PR, "PR", 0.70848, 5},
        {"GASES", "AIRE", 300, 101.3, &M::DEN, "DEN", 1.16011096, 9},
        // pressure scales density, kinematic viscosity and diffusivity only
        {"GASES", "AIRE", 300, 202.6, &M::DEN, "DEN", 2.3202, 5},
        {"GASES", "AIRE", 300, 202.6, &M::UN, "UN", 7.9573e-06, 5},
        {"GASES", "AIRE", 300, 202.6, &M::ALFA, "ALFA", 1.1242e-05, 5},
        {"GASES", "AIRE", 300, 202.6, &M::MIU, "MIU", 1.8479e-05, 5},
        {"GASES", "AIRE", 300, 202.6, &M::PR, "PR", 0.70848, 5},
        // boundaries belong below, except where a piece starts at its boundary
        {"GASES", "AIRE", 450, 101.3, &M::DEN, "DEN", 0.77404, 5},
        {"GASES", "AIRE", 1300, 101.3, &M::DEN, "DEN", 0.26791, 5},
        {"GASES", "AIRE", 1300, 101.3, &M::MIU, "MIU", 4.9606e-05, 5},
        {"GASES", "HELIO", 777, 101.3, &M::CP, "CP", 5.193, 12},
        {"GASES", "HIDROGENO", 300, 101.3, &M::DEN, "DEN", 0.080792, 5},
        {"LIQUIDOS", "AGUA", 300, 0, &M::DEN, "DEN", 998.975, 6},
        {"LIQUIDOS", "AGUA", 300, 0, &M::CP, "CP", 4.17852, 6},
        {"LIQUIDOS", "AGUA", 300, 0, &M::MIU, "MIU", 0.000852738, 6},
        {"LIQUIDOS", "AGUA", 300, 0, &M::UN, "UN", 8.53687e-07, 6},
        {"LIQUIDOS", "AGUA", 300, 0, &M::K, "K", 0.609106, 6},
        {"LIQUIDOS", "AGUA", 300, 0, &M::ALFA, "ALFA", 1.4592e-07, 5},
        {"LIQUIDOS", "AGUA", 300, 0, &M::PR, "PR", 5.84986, 6},
        {"LIQUIDOS", "AGUA", 300, 0, &M::BETA, "BETA", 0.000280917, 6},
        {"LIQUIDOS", "AGUA", 273, 0, &M::BETA, "BETA", -7.61136e-05, 6},
        {"LIQUIDOS", "AGUA", 413, 0, &M::MIU, "MIU", 0.000198626, 6},
        {"LIQUIDOS", "AGUA", 353, 0, &M::CP, "CP", 4.1964, 5},
        {"LIQUIDOS", "CO2", 293, 0, &M::CP, "CP", 5.0, 10},
        {"LIQUIDOS", "CO2", 303, 0, &M::CP, "CP", 36.4, 10},
        {"LIQUIDOS", "FREON12", 261, 0, &M::K, "K", 0.073, 12},
        {"LIQUIDOS", "FREON12", 290, 0, &M::K, "K", 0.073, 12},
        {"LIQUIDOS", "FREON12", 310, 0, &M::K, "K", 0.069, 10},
        {"LIQUIDOS", "FREON12", 300, 0, &M::BETA, "BETA", 0.00275, 6},
        {"LIQUIDOS", "ACEITE", 290, 0, &M::K, "K", 0.145, 12},
        {"LIQUIDOS", "ACEITE", 310, 0, &M::K, "K", 0.145, 12},
        {"LIQUIDOS", "ACEITE", 350, 0, &M::BETA, "BETA", 0.0007, 12},
        {"LIQUIDOS", "GLICOL", 350, 0, &M::BETA, "BETA", 0.00065, 12},
        {"LIQUIDOS", "GLICERINA", 290, 0, &M::K, "K", 0.286, 12},
        {"LIQUIDOS", "GLICERINA", 315, 0, &M::K, "K", 0.2865, 10},
        {"LIQUIDOS", "MERCURIO", 300, 0, &M::BETA, "BETA", 0.000181, 3},
    };
    for (const Expected& c : cases) {
        const Module1 m = evaluated(c.family, c.fluid, c.T, c.kPa);
        EXPECT_TRUE(agrees(*(m.*c.field), c.value, c.digits))
            << c.fluid << " " << c.T << " K " << c.kPa << " kPa: " << c.name;
    }
}

// Which piece a temperature takes at every boundary whose rule is easy to get wrong.
TEST(Correlations, BoundaryTemperaturesTakeTheRightPiece) {
    struct Case {
        bool gas;
        const char* fluid;
        CorrelatedProperty property;
        double T;
        std::size_t piece;
    };
    const Case cases[] = {
        {true, "AIRE", P_DEN, 450, 0},       {true, "AIRE", P_DEN, 450.001, 1},
        {true, "AIRE", P_DEN, 1300, 1},      {true, "AIRE", P_DEN, 1300.5, 2},
        {true, "AIRE", P_MIU, 1300, 0},      {true, "AIRE", P_MIU, 1300.5, 1},
        {true, "OXIGENO", P_DEN, 500, 1},    {true, "OXIGENO", P_CP, 500, 1},
        {true, "OXIGENO", P_CP, 499.99, 0},  {true, "NITROGENO", P_CP, 500, 0},
        {true, "OXIGENO", P_MIU, 600, 0},    {true, "VAPOR", P_CP, 550, 0},
        {false, "CO2", P_CP, 293, 1},        {false, "CO2", P_CP, 292.9, 0},
        {false, "FREON12", P_K, 310, 3},     {false, "FREON12", P_K, 260, 0},
        {false, "FREON12", P_K, 290, 1},     {false, "FREON12", P_K, 309, 2},
        {false, "ACEITE", P_K, 289.9, 0},    {false, "ACEITE", P_K, 290, 1},
        {false, "ACEITE", P_K, 310, 1},      {false, "ACEITE", P_K, 360, 2},
        {false, "GLICERINA", P_K, 310.1, 2}, {false, "GLICOL", P_MIU, 320, 1},
        {false, "AGUA", P_K, 413, 0},        {false, "AGUA", P_K, 413.01, 1},
    };
    for (const Case& c : cases) {
        const auto* f = findCorrelations(c.gas ? gasCorrelations() : liquidCorrelations(), c.fluid);
        ASSERT_NE(f, nullptr) << c.fluid;
        const Correlation corr = f->property[c.property];
        EXPECT_EQ(&selectPiece(corr, c.T) - corr.data(), static_cast<std::ptrdiff_t>(c.piece))
            << c.fluid << " " << kCorrelatedNames[c.property] << " at " << c.T << " K";
    }
}

TEST(Correlations, NamesMatchExactlyAndOtherwiseNothingIsAssigned) {
    for (const char* name : {"aire", "AIRE ", "CO2 ", "C", "Aire"}) {
        Module1 m;
        m.FLUIDO = name;
        m.TEMP = 300;
        m.PRESION = 101.3;
        CalcularGas(m);
        CalcularLiquido(m);
        EXPECT_FALSE(m.DEN || m.CP || m.MIU || m.UN || m.K || m.ALFA || m.PR || m.BETA) << name;
    }
    // CO is not CO2, and a gas evaluation leaves an earlier BETA alone
    Module1 m = evaluated("LIQUIDOS", "AGUA", 300);
    const double beta = *m.BETA;
    m.FLUIDO = "CO";
    m.PRESION = 101.3;
    CalcularGas(m);
    EXPECT_LT(*m.DEN, 1.2) << "CO2 is 1.773";
    EXPECT_EQ(*m.BETA, beta);
}
