// The core's numbers as text and texts as numbers. The rule, on the cases that pin it down,
// everywhere; and where the C++ library has floating-point to_chars and from_chars (not in
// WebAssembly) the same bytes and the same readings as the library on every value the program
// meets: each built-in fluid across its range, the fuzz corpora, fixed-seed random bits.
#include "engine/NumberText.h"

#include "engine/Calcular.h"
#include "engine/Catalogue.h"
#include "engine/Properties.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <version>

using velm::readNumber;
using velm::scientificText;
using velm::shortestFixedText;
using velm::shortestText;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kUntouched = 42;  // what a refused reading leaves in place

// A double's bits, to tell -0 from 0 and one NaN from another (std::bit_cast is missing from
// WebAssembly's C++ library).
std::uint64_t bits(double v) {
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

}  // namespace

TEST(NumberText, WritesTheShortestFixedOrScientificWhicheverIsShorter) {
    struct Case { double value; const char* text; };
    const Case cases[] = {
        {300, "300"}, {1.16011096, "1.16011096"}, {-2.5, "-2.5"}, {0.001, "0.001"},
        // fixed on a tie: 10000 and 1e+04, 1200000 and 1.2e+06; scientific when shorter
        {1e4, "10000"}, {1.2e6, "1200000"}, {1e5, "1e+05"}, {0.0001, "1e-04"}, {1.5e-5, "1.5e-05"},
        // a whole number longer than its shortest digits, to its last unit
        {1152921504606846976.0, "1152921504606846976"}, {123456789012345678.0, "123456789012345680"},
        {1e22, "1e+22"},
        // the extremes, three-digit exponents
        {5e-324, "5e-324"}, {2.2250738585072014e-308, "2.2250738585072014e-308"},
        {kLargest, "1.7976931348623157e+308"},
        {0.0, "0"}, {-0.0, "-0"}, {kInf, "inf"}, {-kInf, "-inf"}, {kNaN, "nan"}, {-kNaN, "-nan"},
    };
    for (const Case& c : cases) EXPECT_EQ(shortestText(c.value), c.text) << c.text;
}

TEST(NumberText, WritesAStoredSingleByItsOwnShortestDigits) {
    struct Case { float value; const char* shortest; const char* fixed; };
    const Case cases[] = {
        {0.1f, "0.1", "0.1"}, {293.15f, "293.15", "293.15"},
        {1e7f, "1e+07", "10000000"}, {123456789.0f, "123456792", "123456792"},
        {3.4028235e38f, "3.4028235e+38", "340282346638528859811704183484516925440"},
        {1e-45f, "1e-45", "0.000000000000000000000000000000000000000000001"},
        {-0.0f, "-0", "-0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shortestText(c.value), c.shortest) << c.shortest;
        EXPECT_EQ(shortestFixedText(c.value), c.fixed) << c.shortest;
    }
}

TEST(NumberText, WritesScientificRoundedFromTheExactValue) {
    struct Case { double value; int precision; const char* text; };
    const Case cases[] = {
        {123.456, 14, "1.23456000000000e+02"},
        {0.1, 20, "1.00000000000000005551e-01"},
        // exact halves go to the even digit; 0.125 and 2.5 are exact, 1.005 is below its half
        {2.5, 0, "2e+00"}, {0.125, 1, "1.2e-01"}, {1.005, 2, "1.00e+00"},
        {kLargest, 14, "1.79769313486232e+308"}, {5e-324, 14, "4.94065645841247e-324"},
        {-0.0, 2, "-0.00e+00"}, {kInf, 14, "inf"}, {-kNaN, 14, "-nan"},
    };
    for (const Case& c : cases) EXPECT_EQ(scientificText(c.value, c.precision), c.text) << c.text;
}

TEST(NumberText, ReadsTheLongestNumberAndRefusesWhatADoubleCannotHold) {
    struct Case { const char* text; std::errc ec; std::size_t used; double value; };
    constexpr std::errc kRead{}, kNone = std::errc::invalid_argument, kBeyond = std::errc::result_out_of_range;
    const Case cases[] = {
        {"300", kRead, 3, 300}, {"-0", kRead, 2, -0.0}, {"1.5e-05x", kRead, 7, 1.5e-5},
        {"1e", kRead, 1, 1}, {"1e+", kRead, 1, 1}, {"1.", kRead, 2, 1}, {".5", kRead, 2, 0.5},
        {"1,5", kRead, 1, 1}, {"0e-999", kRead, 6, 0},
        // no sign "+", no blank, no lone sign or point
        {"+1", kNone, 0, kUntouched}, {" 1", kNone, 0, kUntouched}, {"", kNone, 0, kUntouched},
        {"-", kNone, 0, kUntouched}, {".", kNone, 0, kUntouched}, {"e5", kNone, 0, kUntouched},
        {"inf", kRead, 3, kInf}, {"-Infinity", kRead, 9, -kInf}, {"nan(x1)", kRead, 7, kNaN},
        // subnormals are read; what rounds to zero, or past the largest double, is not
        {"4.9e-324", kRead, 8, 5e-324}, {"2.4703282292062328e-324", kRead, 23, 5e-324},
        {"2.4703282292062327e-324", kBeyond, 23, kUntouched}, {"-1e-400", kBeyond, 7, kUntouched},
        {"1.7976931348623158e308", kRead, 22, kLargest},
        {"1.7976931348623159e308", kBeyond, 22, kUntouched}, {"1e99999", kBeyond, 7, kUntouched},
    };
    for (const Case& c : cases) {
        double value = kUntouched;
        const char* first = c.text;
        const velm::NumberRead r = readNumber(first, first + std::strlen(first), value);
        EXPECT_EQ(r.ec, c.ec) << c.text;
        EXPECT_EQ(std::size_t(r.ptr - first), c.used) << c.text;
        EXPECT_EQ(bits(value), bits(c.value)) << c.text;
    }
}

// The library's own texts as the oracle, where it has them.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
namespace {

double doubleOf(std::uint64_t b) {
    double v;
    std::memcpy(&v, &b, sizeof v);
    return v;
}
float floatOf(std::uint32_t b) {
    float v;
    std::memcpy(&v, &b, sizeof v);
    return v;
}

// Room for the exact digits of any double: about 770 significant ones.
template <class T, class... Format>
std::string libraryText(T value, Format... format) {
    char buf[1024];
    const std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, value, format...);
    if (r.ec != std::errc()) throw std::length_error("no room for the library's text");
    return std::string(buf, r.ptr);
}

std::string hex(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%a", v);
    return buf;
}

// Every text and every reading of ours against the library's: how many were compared, how
// many differed, and the first few differences.
class Comparison {
public:
    void write(double v) {
        const std::string text = shortestText(v);
        same("shortestText", hex(v), libraryText(v), text);
        same("scientificText", hex(v), libraryText(v, std::chars_format::scientific, 14), scientificText(v, 14));
        read(text);
    }
    void write(double v, int precision) {
        same("scientificText " + std::to_string(precision), hex(v),
             libraryText(v, std::chars_format::scientific, precision), scientificText(v, precision));
    }
    void write(float f) {
        const std::string text = shortestText(f);
        same("shortestText(float)", hex(f), libraryText(f), text);
        read(text);
    }
    void writeFixed(float f) {
        const std::string fixed = shortestFixedText(f);
        same("shortestFixedText", hex(f), libraryText(f, std::chars_format::fixed), fixed);
        read(fixed);
    }
    void read(std::string_view text) {
        const char* first = text.data();
        const char* last = first + text.size();
        double library = kUntouched, ours = kUntouched;
        const std::from_chars_result a = std::from_chars(first, last, library);
        const velm::NumberRead b = readNumber(first, last, ours);
        ++compared;
        if (a.ptr == b.ptr && a.ec == b.ec && bits(library) == bits(ours))
            return;
        differ("read \"" + std::string(text) + "\": library " + hex(library) + " used " + std::to_string(a.ptr - first) +
               " errc " + std::to_string(int(a.ec)) + ", ours " + hex(ours) + " used " +
               std::to_string(b.ptr - first) + " errc " + std::to_string(int(b.ec)));
    }

    std::size_t compared = 0;
    std::size_t differences = 0;
    std::string examples;

private:
    void same(const std::string& what, const std::string& input, const std::string& library, const std::string& ours) {
        ++compared;
        if (library != ours) differ(what + " of " + input + ": library \"" + library + "\", ours \"" + ours + "\"");
    }
    void differ(const std::string& line) {
        if (++differences <= 10) examples += line + "\n";
    }
};

void expectNoDifference(const Comparison& c, std::size_t atLeast) {
    EXPECT_EQ(c.differences, 0u) << c.examples;
    EXPECT_GE(c.compared, atLeast) << "fewer texts compared than the corpus holds";
    ::testing::Test::RecordProperty("compared", std::to_string(c.compared));
}

// The bits of a double with the given exponent field and a random fraction.
double withExponent(std::mt19937_64& random, std::uint64_t exponent) {
    return doubleOf((random() & 0x800F'FFFF'FFFF'FFFFull) | (exponent << 52));
}

}  // namespace

TEST(NumberText, SameAsTheLibraryAcrossEveryBuiltInFluid) {
    // Every 0.1 K over each range, every property in SI and English units and as the single a
    // stored table holds, and the temperature as entered and as a stored table writes it.
    Comparison c;
    for (velm::Family family : {velm::Family::Gases, velm::Family::Liquids}) {
        const bool gas = family == velm::Family::Gases;
        for (const velm::BuiltInFluid& fluid : velm::builtInFluids(family)) {
            const velm::FluidCorrelations* f =
                velm::findCorrelations(gas ? velm::gasCorrelations() : velm::liquidCorrelations(), fluid.name);
            ASSERT_NE(f, nullptr) << fluid.name;
            const auto first = static_cast<long>(std::lround(fluid.lowest * 10));
            const auto last = static_cast<long>(std::lround(fluid.highest * 10));
            for (long tenths = first; tenths <= last; ++tenths) {
                const double T = double(tenths) / 10;
                c.write(T);
                c.writeFixed(float(T));
                const auto values = gas ? velm::gasValues(*f, T, 101.3) : velm::liquidValues(*f, T);
                for (const velm::PropertyInfo& p : velm::propertiesOf(family)) {
                    const double v = values[velm::index(p.id)];
                    c.write(v);
                    c.write(v * p.toEnglish);
                    c.write(float(v));
                }
            }
        }
    }
    expectNoDifference(c, 5'000'000);
}

TEST(NumberText, SameAsTheLibraryOnTheFuzzCorpora) {
    // Each input read as text, and its bytes as doubles and as singles, as the targets take them.
    Comparison c;
    std::size_t inputs = 0;
    for (const auto& target : std::filesystem::directory_iterator(VELM_SOURCE_DIR "/tests/fuzz/corpus")) {
        for (const auto& input : std::filesystem::directory_iterator(target.path())) {
            std::ifstream in(input.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), {}};
            ++inputs;
            c.read(bytes);
            for (std::size_t at = 0; at + sizeof(double) <= bytes.size(); at += sizeof(double)) {
                double d;
                std::memcpy(&d, bytes.data() + at, sizeof d);
                c.write(d);
            }
            for (std::size_t at = 0; at + sizeof(float) <= bytes.size(); at += sizeof(float)) {
                float f;
                std::memcpy(&f, bytes.data() + at, sizeof f);
                c.write(f);
                c.writeFixed(f);
            }
        }
    }
    EXPECT_GT(inputs, 500u);
    expectNoDifference(c, 500'000);
}

TEST(NumberText, SameAsTheLibraryOnRandomAndEdgeBits) {
    Comparison c;
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 100'000; ++i) {
        c.write(doubleOf(random()));
        c.write(floatOf(std::uint32_t(random())));
        c.writeFixed(floatOf(std::uint32_t(random())));
        c.write(withExponent(random, 0));  // subnormal
        c.write(withExponent(random, 1 + random() % 2046), int(random() % 25));
    }
    // Powers of ten and their neighbours, through the whole range of doubles and of singles.
    for (int e = -325; e <= 309; ++e) {
        const std::string power = "1e" + std::to_string(e);
        double d = 0;
        std::from_chars(power.data(), power.data() + power.size(), d);
        for (double v : {d, std::nextafter(d, 0.0), std::nextafter(d, kInf)}) {
            c.write(v);
            c.write(float(v));
            c.write(std::nextafter(float(v), 0.0f));
            c.write(std::nextafter(float(v), std::numeric_limits<float>::infinity()));
            c.writeFixed(float(v));
        }
    }
    // The extremes of both, exact halves for the scientific rounding, whole numbers past 2^53.
    for (double v : {5e-324, 1e-323, 2.2250738585072009e-308, 2.2250738585072014e-308, kLargest,
                     std::nextafter(kLargest, 0.0), kInf, kNaN, 0.0, 1.0})
        for (double sign : {1.0, -1.0}) {
            c.write(sign * v);
            for (int precision = 0; precision <= 20; ++precision) c.write(sign * v, precision);
        }
    for (float f : {std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::min(),
                    std::numeric_limits<float>::max(), 16777217.0f}) {
        c.write(f);
        c.writeFixed(f);
    }
    for (int i = 0; i < 20'000; ++i) {
        const double half = double(random() % (1ull << 52)) + 0.5;
        c.write(half, int(std::log10(half)));
        c.write(half * std::ldexp(1.0, -int(random() % 60)), int(random() % 18));
        c.write(std::ldexp(double(random() >> 11), int(random() % 80)));
    }
    expectNoDifference(c, 1'000'000);
}

TEST(NumberText, ReadsAsTheLibraryDoes) {
    Comparison c;
    std::mt19937_64 random(7);
    const auto pick = [&random](std::string_view from) { return from[random() % from.size()]; };
    // Texts of number characters in any order: signs, points, exponents, "inf" and "nan" cut short.
    for (int i = 0; i < 100'000; ++i) {
        std::string text;
        for (std::size_t n = 1 + random() % 24; n > 0; --n) text += pick("0123456789.eE+-nafiNIty(");
        c.read(text);
    }
    // Long mantissas with exponents near each end of the range: the slow path of the reading.
    for (int i = 0; i < 20'000; ++i) {
        std::string text = random() % 2 ? "-" : "";
        for (std::size_t n = 1 + random() % 40; n > 0; --n) text += pick("0123456789");
        if (random() % 2) text.insert(text.size() - random() % 20 % text.size(), ".");
        text += "e" + std::to_string(int(random() % 720) - 360);
        c.read(text);
    }
    // Exactly halfway between neighbouring doubles (ties to even), and the last digit, a 5,
    // one lower and one higher; subnormals among them.
    static_assert(std::numeric_limits<long double>::digits > std::numeric_limits<double>::digits,
                  "the half between two doubles needs a wider type");
    for (int i = 0; i < 20'000; ++i) {
        const double d = i % 4 == 0 ? std::abs(withExponent(random, 0)) : std::abs(doubleOf(random()));
        const double next = std::nextafter(d, kInf);
        if (!std::isfinite(next)) continue;
        std::string text = libraryText((static_cast<long double>(d) + next) / 2, std::chars_format::scientific, 800);
        const std::size_t e = text.find('e');
        const std::size_t five = text.find_last_not_of('0', e - 1);
        text.erase(five + 1, e - five - 1);
        for (char last : {'5', '4', '6'}) {
            text[five] = last;
            c.read(text);
        }
    }
    expectNoDifference(c, 150'000);
}

#endif
