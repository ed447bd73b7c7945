#include "engine/Calcular.h"
#include "engine/Catalogue.h"
#include "engine/Presentation.h"
#include "engine/Properties.h"

#include "correlation/Correlation.h"

#include <gtest/gtest.h>

using namespace velm;

TEST(Presentation, EnglishUnitsMultiplyEachSiValueByItsFactor) {
    struct Row {
        Property property;
        double factor;
    };
    const Row rows[] = {
        {Property::DEN, 0.062428}, {Property::CP, 0.238846}, {Property::MIU, 0.02089},
        {Property::UN, 10.76},     {Property::K, 0.577789},  {Property::ALFA, 10.76},
        {Property::PR, 1},         {Property::BETA, 0.555555},
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
        for (const Row& row : rows) {
            const PropertyInfo& p = info(row.property);
            if (row.property == Property::BETA && family == Family::Gases) {
                EXPECT_FALSE(english.BETA) << "a gas has no BETA";
                continue;
            }
            EXPECT_EQ(*(english.*p.field), *(si.*p.field) * row.factor) << fluid << " " << p.column;
        }
    }
}

TEST(Catalogue, RangesAndTextsComeFromTheCorrelationsInTheirOrder) {
    struct Row {
        Family family;
        const char* name;
        const char* rangeText;
    };
    const Row rows[] = {
        {Family::Gases, "AIRE", " ( 100K <= T <= 3000K )"},
        {Family::Gases, "AMONIACO", " ( 300K <= T <= 580K )"},
        {Family::Gases, "CO", " ( 200K <= T <= 800K )"},
        {Family::Gases, "CO2", " ( 280K <= T <= 800K )"},
        {Family::Gases, "HELIO", " ( 100K <= T <= 1000K )"},
        {Family::Gases, "HIDROGENO", " ( 100K <= T <= 2000K )"},
        {Family::Gases, "NITROGENO", " ( 100K <= T <= 1300K )"},
        {Family::Gases, "OXIGENO", " ( 100K <= T <= 1300K )"},
        {Family::Gases, "VAPOR", " ( 380K <= T <= 850K )"},
        {Family::Liquids, "ACEITE", " ( 273K <= T <= 430K )"},
        {Family::Liquids, "AGUA", " ( 273K <= T <= 573K )"},
        {Family::Liquids, "AMONIACO", " ( 223K <= T <= 323K )"},
        {Family::Liquids, "CO2", " ( 223K <= T <= 303K )"},
        {Family::Liquids, "FREON12", " ( 230K <= T <= 320K )"},
        {Family::Liquids, "GLICERINA", " ( 273K <= T <= 320K )"},
        {Family::Liquids, "GLICOL", " ( 273K <= T <= 373K )"},
        {Family::Liquids, "MERCURIO", " ( 273K <= T <= 600K )"},
        {Family::Liquids, "SO2", " ( 223K <= T <= 323K )"},
    };
    std::size_t at[2] = {0, 0};
    for (const Row& row : rows) {
        const std::size_t i = at[row.family == Family::Gases ? 0 : 1]++;
        const auto fluids = builtInFluids(row.family);
        const auto sets = row.family == Family::Gases ? gasCorrelations() : liquidCorrelations();
        ASSERT_LT(i, fluids.size()) << row.name;
        EXPECT_EQ(fluids[i].name, row.name);
        EXPECT_EQ(fluids[i].rangeText, row.rangeText) << row.name;
        EXPECT_EQ(sets[i].name, row.name) << "the generated tables follow the catalogue";
        // the range is closed: both ends belong to it, nothing beyond
        EXPECT_TRUE(fluids[i].inRange(fluids[i].lowest) && fluids[i].inRange(fluids[i].highest));
        EXPECT_FALSE(fluids[i].inRange(fluids[i].lowest - 0.001) || fluids[i].inRange(fluids[i].highest + 0.001));
    }
    EXPECT_EQ(at[0], builtInFluids(Family::Gases).size());
    EXPECT_EQ(at[1], builtInFluids(Family::Liquids).size());
}
