#include "engine/Entry.h"

#include "engine/Messages.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velm;

TEST(Entry, NumericTestAcceptsWhatTheUserMeansAndNothingElse) {
    const std::pair<const char*, std::optional<double>> pointLocale[] = {
        {"300", 300},       {" 300 ", 300},      {"-273", -273},   {"+25", 25},
        {"273.15", 273.15}, {".5", 0.5},         {"5.", 5},        {"1e3", 1000},
        {"2.5E-3", 0.0025}, {"1e-400", 0.0},     {"", {}},         {"   ", {}},
        {"abc", {}},        {"1,5", {}},         {"1,000", {}},    {"1 000", {}},
        {"1e999", {}},      {"-1e999", {}},      {"nan", {}},      {"inf", {}},
        {"Infinity", {}},   {"0x10", {}},        {"&H10", {}},     {"1e", {}},
        {"1.2.3", {}},      {"--1", {}},         {"12abc", {}},    {".", {}},
        {"e5", {}},         {"1e+", {}},
    };
    for (const auto& [text, want] : pointLocale)
        EXPECT_EQ(parseNumber(text, false), want) << "\"" << text << "\"";

    const std::pair<const char*, std::optional<double>> commaLocale[] = {
        {"1,5", 1.5}, {"1.5", 1.5}, {"1.000,5", {}}, {"1,000,5", {}}, {"-0,25e2", -25},
    };
    for (const auto& [text, want] : commaLocale)
        EXPECT_EQ(parseNumber(text, true), want) << "\"" << text << "\" (decimal comma)";
}

TEST(Entry, TemperatureIsConvertedWithTheOffset273AndCheckedAgainstTheRange) {
    struct Case {
        const char* family;
        const char* fluid;
        const char* typed;
        const char* scale;
        TemperatureOutcome outcome;
        double kelvin;
        const char* enrango;
    };
    const Case cases[] = {
        {"GASES", "AIRE", "25", "ºC", TemperatureOutcome::Accepted, 298, "SI"},
        {"GASES", "AIRE", "212", "ºF", TemperatureOutcome::Accepted, 373, "SI"},
        {"GASES", "AIRE", "32", "ºF", TemperatureOutcome::Accepted, 273, "SI"},
        {"GASES", "AIRE", "-273", "ºC", TemperatureOutcome::Accepted, 0, "NO"},
        {"GASES", "AIRE", "-459.67", "ºF", TemperatureOutcome::DoesNotExist, -0.15, "SI"},
        {"GASES", "AIRE", "3000", "K", TemperatureOutcome::Accepted, 3000, "SI"},
        {"GASES", "AIRE", "100", "K", TemperatureOutcome::Accepted, 100, "SI"},
        {"GASES", "AIRE", "3000.1", "K", TemperatureOutcome::Accepted, 3000.1, "NO"},
        {"GASES", "AIRE", "99.9", "K", TemperatureOutcome::Accepted, 99.9, "NO"},
        {"GASES", "AMONIACO", "400", "K", TemperatureOutcome::Accepted, 400, "SI"},
        {"LIQUIDOS", "AMONIACO", "400", "K", TemperatureOutcome::Accepted, 400, "NO"},
        {"LIQUIDOS", "agua", "5000", "K", TemperatureOutcome::Accepted, 5000, "SI"},
        {"GASES", "MI GAS", "5000", "K", TemperatureOutcome::Accepted, 5000, "SI"},
        {"GASES", "AIRE", "300", "R", TemperatureOutcome::Accepted, 300, "SI"},
    };
    for (const Case& c : cases) {
        Module1 m;
        m.FAMILIA = familyNamed(c.family);
        m.FLUIDO = c.fluid;
        const auto a = acceptTemperature(m, c.typed, c.scale, false);
        const std::string row = std::string(c.fluid) + " " + c.typed + " " + c.scale;
        EXPECT_EQ(a.outcome, c.outcome) << row;
        EXPECT_NEAR(*m.TEMP, c.kelvin, 1e-9) << row;
        EXPECT_EQ(*m.TEMPENT, std::stod(c.typed)) << row;
        EXPECT_EQ(m.ESCALA, c.scale) << row;
        EXPECT_EQ(a.ENRANGO, c.enrango) << row;
        EXPECT_EQ(a.warning.empty(), std::string(c.enrango) == "SI") << row;
    }
}

TEST(Entry, OutOfRangeWarningQuotesTheRangeWithItsBlanks) {
    Module1 m;
    m.FAMILIA = Family::Liquids;
    m.FLUIDO = "AMONIACO";
    EXPECT_EQ(acceptTemperature(m, "400", "K", false).warning,
              "ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA ECUACION DEL (DE LA) "
              "AMONIACO  ( 223K <= T <= 323K ) ,   SE EXTRAPOLARA (POCO RECOMENDABLE)");
}

TEST(Entry, RefusedTextLeavesTheStateAsItWas) {
    Module1 m;
    m.FAMILIA = Family::Gases;
    m.FLUIDO = "AIRE";
    acceptTemperature(m, "300", "K", false);
    EXPECT_EQ(acceptTemperature(m, "", "ºC", false).outcome, TemperatureOutcome::NotANumber);
    EXPECT_EQ(*m.TEMP, 300);
    EXPECT_EQ(m.ESCALA, "K");

    m.UNIDADES = "SI";
    acceptPressure(m, "101.3", false);
    EXPECT_EQ(acceptPressure(m, "x", false), PressureOutcome::NotANumber);
    EXPECT_EQ(*m.PRESION, 101.3);
}

TEST(Entry, PressureIsKiloPascalOrPsiAndMayNotBeNegative) {
    struct Case {
        const char* units;
        const char* typed;
        PressureOutcome outcome;
        double kPa;
    };
    const Case cases[] = {
        {"SI", "101.3", PressureOutcome::Accepted, 101.3},
        {"SI", "0", PressureOutcome::Accepted, 0},
        {"SI", "-1", PressureOutcome::Negative, -1},
        {"INGLES", "14.696", PressureOutcome::Accepted, 101.3},
        {"INGLES", "30", PressureOutcome::Accepted, 206.7909635},
    };
    for (const Case& c : cases) {
        Module1 m;
        m.UNIDADES = c.units;
        EXPECT_EQ(acceptPressure(m, c.typed, false), c.outcome) << c.units << " " << c.typed;
        EXPECT_NEAR(*m.PRESION, c.kPa, 1e-6) << c.units << " " << c.typed;
    }
}

TEST(Entry, RowFieldsTakeTheirLeadingNumber) {
    const std::pair<const char*, double> cases[] = {
        {"1.16", 1.16},     {"1,16", 1},       {"1 000", 1000},   {"2.5E-3", 0.0025},
        {"  -1.5e2x", -150}, {"- 5", -5},       {"", 0},           {"abc", 0},
        {"&HFF", 255},      {"&o17", 15},      {"&H", 0},         {"&O9", 0},
        {"1e", 1},          {"1e+", 1},        {"1.2.3", 1.2},    {".5", 0.5},
        {"1\t2\n3", 123},   {"1e-400", 0},     {"+7", 7},         {"E5", 0},
    };
    for (const auto& [text, want] : cases) EXPECT_DOUBLE_EQ(leadingNumber(text), want) << "\"" << text << "\"";
    EXPECT_TRUE(std::isinf(leadingNumber("1e400")));
}
