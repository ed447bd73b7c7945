#include "engine/DisplayPattern.h"

#include <gtest/gtest.h>

using velm::formatGeneral;
using velm::formatPattern;

TEST(DisplayPattern, ShowsEveryPatternAsTheResultBoxesDo) {
    struct Case { double value; const char* pattern; const char* shown; };
    const Case cases[] = {
        // the worked examples
        {1.16011096, " ##0.#####", " 1.16011"},
        {1.8479e-05, "#.####E+##", "1.8479E-5"},
        // optional decimals dropped, compulsory ones kept
        {2.5, " ##0.#####", " 2.5"},
        {13530, "##0.0#", "13530.0"},
        {5, "##0.####", "5"},
        {0.00004, "##0.####", "0"},
        {0.00005, "##0.####", "0.0001"},
        // halves away from zero, on the value read to 15 digits
        {1.005, "##0.0#", "1.01"},
        {0.125, "##0.0#", "0.13"},
        {99.995, "##0.0#", "100.0"},
        // scientific: sign of the exponent always, no leading zeros, carries renormalise
        {5193, "#.####E+##", "5.193E+3"},
        {2e-5, "#.####E+##", "2E-5"},
        {9.99996e-5, "#.####E+##", "1E-4"},
        {-7.61136e-05, "#.####E+##", "-7.6114E-5"},
        {0, "#.####E+##", "0E+0"},
        {1.5e-300, "#.####E+##", "1.5E-300"},
        // negatives keep the literal blank first; a negative rounded to zero has no sign
        {-0.5, " ##0.#####", " -0.5"},
        {-0.000001, " ##0.#####", " 0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatPattern(c.value, c.pattern), c.shown) << c.value << " with \"" << c.pattern << "\"";
}

TEST(DisplayPattern, GeneralFormatReadsBackTo15Digits) {
    const std::pair<double, const char*> cases[] = {
        {300, "300"},         {1.16011096, "1.16011096"}, {1.846e-05, "1.846E-05"},
        {0.0001, "0.0001"},   {-273, "-273"},             {1e15, "1E+15"},
        {123456789012345.0, "123456789012345"},           {1.0 / 3, "0.333333333333333"},
        {2.0 / 3 * 1e-7, "6.66666666666667E-08"},         {0, "0"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(formatGeneral(value), text) << value;
}
