#include "engine/Entry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

using namespace velm;

TEST(Entry, NumericTestAcceptsWhatTheUserMeansAndNothingElse) {
    const std::pair<const char*, std::optional<double>> pointLocale[] = {
        {" 300 ", 300}, {"-273", -273}, {"+25", 25},   {".5", 0.5},     {"5.", 5},   {"2.5E-3", 0.0025},
        {"1e-400", 0},  {"", {}},       {"1,5", {}},   {"1 000", {}},   {"1e999", {}}, {"nan", {}},
        {"inf", {}},    {"0x10", {}},   {"1e", {}},    {"1.2.3", {}},   {"--1", {}},   {".", {}},
        {"e5", {}},
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
        Family family;
        const char *fluid, *typed, *scale;
        TemperatureOutcome outcome;
        double kelvin;
        const char* enrango;
    };
    using enum Family;
    const auto accepted = TemperatureOutcome::Accepted;
    const Case cases[] = {
        {Gases, "AIRE", "25", "ºC", accepted, 298, "SI"},
        {Gases, "AIRE", "212", "ºF", accepted, 373, "SI"},
        {Gases, "AIRE", "-273", "ºC", accepted, 0, "NO"},
        {Gases, "AIRE", "-459.67", "ºF", TemperatureOutcome::DoesNotExist, -0.15, "SI"},
        {Gases, "AIRE", "3000", "K", accepted, 3000, "SI"},
        {Gases, "AIRE", "3000.1", "K", accepted, 3000.1, "NO"},
        {Liquids, "agua", "5000", "K", accepted, 5000, "SI"},
        {Gases, "AIRE", "300", "R", accepted, 300, "SI"},
    };
    for (const Case& c : cases) {
        Module1 m;
        m.FAMILIA = c.family;
        m.FLUIDO = c.fluid;
        const auto a = acceptTemperature(m, c.typed, c.scale, false);
        const std::string row = std::string(c.fluid) + " " + c.typed + " " + c.scale;
        EXPECT_EQ(a.outcome, c.outcome) << row;
        EXPECT_NEAR(*m.TEMP, c.kelvin, 1e-9) << row;
        EXPECT_EQ(*m.TEMPENT, std::stod(c.typed)) << row;
        EXPECT_EQ(m.ESCALA, c.scale) << row;
        EXPECT_EQ(a.ENRANGO, c.enrango) << row;
        EXPECT_EQ(!a.warning, std::string(c.enrango) == "SI") << row;
    }
    // a text that is no number leaves the state as it was (the family's ranges are the catalogue's)
    Module1 m;
    acceptTemperature(m, "300", "K", false);
    EXPECT_EQ(acceptTemperature(m, "", "ºC", false).outcome, TemperatureOutcome::NotANumber);
    EXPECT_TRUE(*m.TEMP == 300 && *m.TEMPENT == 300 && m.ESCALA == "K");
}

TEST(Entry, PressureIsKiloPascalOrPsiAndMayNotBeNegative) {
    struct Case { const char* units; const char* typed; PressureOutcome outcome; double kPa; };
    const Case cases[] = {
        {"SI", "101.3", PressureOutcome::Accepted, 101.3},
        {"SI", "0", PressureOutcome::Accepted, 0},
        {"SI", "-1", PressureOutcome::Negative, -1},
        {"INGLES", "14.696", PressureOutcome::Accepted, 101.3},
        {"SI", "x", PressureOutcome::NotANumber, 50},  // the pressure before stays
    };
    for (const Case& c : cases) {
        Module1 m;
        m.UNIDADES = c.units;
        m.PRESION = 50;
        EXPECT_EQ(acceptPressure(m, c.typed, false), c.outcome) << c.units << " " << c.typed;
        EXPECT_NEAR(*m.PRESION, c.kPa, 1e-6) << c.units << " " << c.typed;
    }
}

TEST(Entry, RowFieldsTakeTheirLeadingNumber) {
    const std::pair<const char*, double> cases[] = {
        {"1,16", 1},   {"  -1.5e2x", -150}, {"- 5", -5}, {"", 0},    {"E5", 0},      {"+7", 7},
        {"&HFF", 255}, {"&o17", 15},        {"&O9", 0},  {"1e", 1},  {"1.2.3", 1.2}, {"1\t2\n3", 123},
        {"1e-400", 0},
    };
    for (const auto& [text, want] : cases) EXPECT_DOUBLE_EQ(leadingNumber(text), want) << "\"" << text << "\"";
    EXPECT_TRUE(std::isinf(leadingNumber("1e400")));
}

TEST(Entry, LongDigitStringsReadAsTheNumberTheyAreWithOrWithoutAnExponent) {
    const std::string zeros(550, '0'), digits(400, '9');
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        std::string name, text;
        std::optional<double> number;  // the numeric test: refused when too large
        double leading;                // the row fields' leading-number rule
    };
    const Case cases[] = {
        {"hundreds of zeros, then a digit", "." + zeros + "8" + zeros, 0.0, 0.0},
        {"the same, negative", "-0." + zeros + "8", -0.0, -0.0},
        {"the same, with blanks around", "  +." + zeros + "8  ", 0.0, 0.0},
        {"a long fraction pushed back into range", "0." + zeros + "25E+551", 2.5, 2.5},
        {"a long fraction with a small exponent", "." + zeros + "8E-5", 0.0, 0.0},
        {"a very long integer part", digits, std::nullopt, inf},
        {"the same, negative", "-" + digits, std::nullopt, -inf},
        {"a very long integer part with a small negative exponent", digits + "E-10", std::nullopt, inf},
        {"a very long integer part brought into range", "1" + zeros + "E-550", 1.0, 1.0},
        {"zeros on both sides of the point", zeros + "." + zeros, 0.0, 0.0},
        {"zeros on both sides of a digit", zeros + "1." + zeros, 1.0, 1.0},
        {"an exponent past any counter", "1E-" + digits, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        const std::optional<double> number = parseNumber(c.text, false);
        EXPECT_EQ(number, c.number) << c.name;
        if (number && c.number) {
            EXPECT_EQ(std::signbit(*number), std::signbit(*c.number)) << c.name;
        }
        EXPECT_EQ(leadingNumber(c.text), c.leading) << c.name;
        EXPECT_EQ(std::signbit(leadingNumber(c.text)), std::signbit(c.leading)) << c.name;
    }
}
