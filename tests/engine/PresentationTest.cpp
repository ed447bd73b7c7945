#include "correlation/Correlation.h"
#include "engine/Calcular.h"
#include "engine/Catalogue.h"
#include "engine/Presentation.h"
#include "engine/ResultsLine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

using namespace velm;

// English units against published conversion factors (NIST Special Publication 811, 2008
// edition, appendix B.9): 1 lb/ft³ = 16.018 46 kg/m³, 1 Btu_IT/(lb·°F) = 4.1868 kJ/(kg·K),
// 1 lbf·s/ft² = 47.880 26 Pa·s, 1 ft²/s = 0.092 903 04 m²/s, 1 Btu_IT/(h·ft·°F) =
// 1.730 735 W/(m·K), and a Fahrenheit degree is 5/9 of a kelvin, so 1 (1/°F) = 1.8 (1/K). The
// program's factors are the inverses to 4 to 6 digits: rounded in the last digit given, but for
// BETA's 5/9, cut off after its sixth 5.
TEST(Presentation, EnglishUnitsArePublishedFactorsToTheDigitsGiven) {
    struct Row {
        Property property;
        double englishUnitInSi;  // one English unit in SI units
        double lastDigit;        // the place of the last digit of the program's factor
        bool cutOff;             // cut off there, not rounded
    };
    const Row rows[] = {
        {Property::DEN, 16.01846, 1e-6, false},  {Property::CP, 4.1868, 1e-6, false},
        {Property::MIU, 47.88026, 1e-5, false},  {Property::UN, 0.09290304, 1e-2, false},
        {Property::K, 1.730735, 1e-6, false},    {Property::ALFA, 0.09290304, 1e-2, false},
        {Property::PR, 1, 0, false},             {Property::BETA, 1.8, 1e-6, true},
    };
    for (const auto& [family, fluid] : {std::pair{Family::Gases, "AIRE"}, {Family::Liquids, "AGUA"}}) {
        Module1 si;
        si.FAMILIA = family;
        si.FLUIDO = fluid;
        si.TEMP = 300;
        si.PRESION = 101.3;
        if (family == Family::Gases) CalcularGas(si);
        else CalcularLiquido(si);
        Module1 english = si;
        convertToEnglish(english);
        for (const Row& r : rows) {
            const std::optional<double> a = si.*info(r.property).field, b = english.*info(r.property).field;
            ASSERT_EQ(a.has_value(), family == Family::Liquids || r.property != Property::BETA) << fluid;
            ASSERT_EQ(b.has_value(), a.has_value()) << fluid;
            if (!a) continue;
            const double factor = *b / *a, published = 1 / r.englishUnitInSi;
            const std::string what = std::string(fluid) + " " + std::string(info(r.property).column);
            if (r.cutOff) {
                EXPECT_LE(factor, published) << what;
                EXPECT_LT(published - factor, r.lastDigit) << what;
            } else {
                EXPECT_LE(std::abs(factor - published), r.lastDigit / 2 + 1e-15) << what;
            }
        }
    }
}

// The unit captions of both systems, as the results file heads its columns (the gas's are
// checked with the sweep's exports and the saved results).
TEST(ResultsLine, HeadingsFollowUnitsAndScale) {
    const auto liquidHeading = [](const char* units, const char* scale) {
        Module1 m;
        m.UNIDADES = units;
        m.ESCALA = scale;
        m.FAMILIA = Family::Liquids;
        return headingLine(m);
    };
    EXPECT_EQ(liquidHeading("SI", "ºC"),
              R"h("T (ºC)","D (Kg/m^3)","Cp (KJ/(Kg.K))","V.AB. (Pa.s)","V.CI. (m^2/s)","K (W/(m.K))",)h"
              R"h("ALFA (m^2/s)","Pr","BETA (1/K)")h");
    EXPECT_EQ(liquidHeading("INGLES", "ºC"),
              R"h("T (ºF)","D (Lb/pie^3)","Cp (Btu/(Lb.ºF))","V.AB. (Lbf.s/pie^2)","V.CI. (pie^2/s)",)h"
              R"h("K (Btu/(h.pie.ºF))","ALFA (pie^2/s)","Pr","BETA (1/ºF)")h");
    EXPECT_EQ(toFileLine("\"T (ºF)\",1.5"), "\"T (\xBA" "F)\",1.5\r\n");
    EXPECT_THROW(toFileLine("€"), std::invalid_argument);
}

// The catalogue follows the correlation layout: the same fluids in the same order, each
// with its range and the text the warning quotes.
TEST(Catalogue, RangesAndTextsComeFromTheCorrelationsInTheirOrder) {
    struct Row { Family family; const char* name; const char* rangeText; };
    using enum Family;
    const Row rows[] = {
        {Gases, "AIRE", " ( 100K <= T <= 3000K )"},       {Gases, "AMONIACO", " ( 300K <= T <= 580K )"},
        {Gases, "CO", " ( 200K <= T <= 800K )"},          {Gases, "CO2", " ( 280K <= T <= 800K )"},
        {Gases, "HELIO", " ( 100K <= T <= 1000K )"},      {Gases, "HIDROGENO", " ( 100K <= T <= 2000K )"},
        {Gases, "NITROGENO", " ( 100K <= T <= 1300K )"},  {Gases, "OXIGENO", " ( 100K <= T <= 1300K )"},
        {Gases, "VAPOR", " ( 380K <= T <= 850K )"},       {Liquids, "ACEITE", " ( 273K <= T <= 430K )"},
        {Liquids, "AGUA", " ( 273K <= T <= 573K )"},      {Liquids, "AMONIACO", " ( 223K <= T <= 323K )"},
        {Liquids, "CO2", " ( 223K <= T <= 303K )"},       {Liquids, "FREON12", " ( 230K <= T <= 320K )"},
        {Liquids, "GLICERINA", " ( 273K <= T <= 320K )"}, {Liquids, "GLICOL", " ( 273K <= T <= 373K )"},
        {Liquids, "MERCURIO", " ( 273K <= T <= 600K )"},  {Liquids, "SO2", " ( 223K <= T <= 323K )"},
    };
    std::size_t at[2] = {0, 0};
    for (const Row& row : rows) {
        const std::size_t i = at[row.family == Gases ? 0 : 1]++;
        const auto fluids = builtInFluids(row.family);
        ASSERT_LT(i, fluids.size()) << row.name;
        const BuiltInFluid& f = fluids[i];
        EXPECT_EQ(f.name, row.name);
        EXPECT_EQ(f.rangeText, row.rangeText) << row.name;
        EXPECT_EQ((row.family == Gases ? gasCorrelations() : liquidCorrelations())[i].name, row.name);
        // closed: both ends belong to the range, nothing beyond
        EXPECT_TRUE(f.inRange(f.lowest) && f.inRange(f.highest) && !f.inRange(f.lowest - 0.001) &&
                    !f.inRange(f.highest + 0.001))
            << row.name;
    }
    EXPECT_EQ(at[0], builtInFluids(Gases).size());
    EXPECT_EQ(at[1], builtInFluids(Liquids).size());
}
