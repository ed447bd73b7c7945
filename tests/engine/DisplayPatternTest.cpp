#include "engine/DisplayPattern.h"

#include <gtest/gtest.h>

#include <limits>

using velm::formatGeneral;
using velm::formatPattern;

struct PatternCase {
    double value;
    const char* pattern;
    const char* shown;
};

TEST(DisplayPattern, ShowsEveryPatternAsTheResultBoxesDo) {
    const PatternCase cases[] = {
        // the worked examples
        {1.16011096, " ##0.#####", " 1.16011"},
        {1.8479e-05, "#.####E+##", "1.8479E-5"},
        {1.16011096 * 0.062428, " ##0.#####", " 0.07242"},
        // optional decimals dropped, compulsory ones kept
        {2.5, " ##0.#####", " 2.5"},
        {998.975, "##0.0#", "998.98"},
        {13530, "##0.0#", "13530.0"},
        {4.17852, "##0.0####", "4.17852"},
        {5, "##0.####", "5"},
        {0.00004, "##0.####", "0"},
        {0.00005, "##0.####", "0.0001"},
        // halves away from zero, on the value read to 15 digits
        {1.005, "##0.0#", "1.01"},
        {-1.005, "##0.0#", "-1.01"},
        {0.125, "##0.0#", "0.13"},
        {99.995, "##0.0#", "100.0"},
        // scientific: sign of the exponent always, no leading zeros, carries renormalise
        {8.53687e-07, "#.####E+##", "8.5369E-7"},
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
    for (const PatternCase& c : cases)
        EXPECT_EQ(formatPattern(c.value, c.pattern), c.shown)
            << c.value << " with \"" << c.pattern << "\"";
}

TEST(DisplayPattern, GeneralFormatReadsBackTo15Digits) {
    const std::pair<double, const char*> cases[] = {
        {300, "300"},
        {1.16011096, "1.16011096"},
        {1.846e-05, "1.846E-05"},
        {0.0263, "0.0263"},
        {0.0001, "0.0001"},
        {-273, "-273"},
        {1e15, "1E+15"},
        {123456789012345.0, "123456789012345"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3 * 1e-7, "6.66666666666667E-08"},
        {0, "0"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(formatGeneral(value), text) << value;

    for (double v : {1.16011096087654321, 8.5368712345678e-07, 998.975123456789, 6.02e23}) {
        const double back = std::stod(formatGeneral(v));
        EXPECT_NEAR(back, v, std::abs(v) * 1e-14) << formatGeneral(v);
    }
}
