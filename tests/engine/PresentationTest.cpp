#include "correlation/Correlation.h"
#include "engine/Calcular.h"
#include "engine/Catalogue.h"
#include "engine/Presentation.h"
#include "engine/ResultsLine.h"

#include <gtest/gtest.h>

using namespace velm;

TEST(Presentation, EnglishUnitsMultiplyEachSiValueByItsFactor) {
    // DEN CP MIU UN K ALFA PR BETA
    const double factor[kPropertyCount] = {0.062428, 0.238846, 0.02089, 10.76, 0.577789, 10.76, 1, 0.555555};
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
        for (const PropertyInfo& p : propertiesOf(family))
            EXPECT_EQ(*(english.*p.field), *(si.*p.field) * factor[index(p.id)]) << fluid << " " << p.column;
        EXPECT_EQ(english.BETA.has_value(), family == Family::Liquids) << fluid;
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
