// The display patterns and the general number format on any double: never "inf" or "nan",
// only the characters a pattern allows, and a text that reads back to the value within the
// pattern's rounding (half a unit of its last place, after reading the value to 15 digits).
// The number texts under them are the C++ library's to_chars texts, and read back exactly.
//
// Input: 8 bytes of a double (its first 4 also a single), one byte choosing the pattern (one
// of the program's five, or the rest of the input as a pattern of its own).
#include "engine/DisplayPattern.h"
#include "engine/Entry.h"
#include "engine/NumberText.h"
#include "tests/fuzz/FuzzCheck.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace velm;
using velm::fuzz::check;

namespace {

struct Pattern {
    const char* text;
    int decimals;     // places after the point
    bool scientific;  // a one-digit mantissa
};
constexpr std::array<Pattern, 5> kPatterns{{{" ##0.#####", 5, false},
                                            {"##0.####", 4, false},
                                            {"##0.0#", 2, false},
                                            {"##0.0####", 5, false},
                                            {"#.####E+##", 4, true}}};

std::string describe(double v, const std::string& pattern, const std::string& out) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return std::string(buf) + " as '" + pattern + "' gives '" + out + "'";
}

#ifdef VELM_FUZZ_LIBRARY_CHARS
template <class T, class... Format>
std::string libraryText(T value, Format... format) {
    char buf[512];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, value, format...).ptr);
}
#endif

// The library's text, and the exact value read back from it.
void checkNumberTexts(double v, [[maybe_unused]] float f) {
    const std::string shortest = shortestText(v);
#ifdef VELM_FUZZ_LIBRARY_CHARS
    check(shortest == libraryText(v), "the shortest text is the library's", shortest);
    check(scientificText(v, 14) == libraryText(v, std::chars_format::scientific, 14),
          "the scientific text is the library's", shortest);
    check(shortestText(f) == libraryText(f), "a single's shortest text is the library's", shortestText(f));
    check(shortestFixedText(f) == libraryText(f, std::chars_format::fixed),
          "a single's fixed text is the library's", shortestFixedText(f));
#endif
    double back = 0;
    const NumberRead read = readNumber(shortest.data(), shortest.data() + shortest.size(), back);
    check(read.ec == std::errc() && read.ptr == shortest.data() + shortest.size() &&
              (velm::fuzz::bitsOf(back) == velm::fuzz::bitsOf(v) || std::isnan(v)),
          "the shortest text reads back to the bits written", shortest);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
    double v = 0;
    float f = 0;
    std::memcpy(&v, data, sizeof v);
    std::memcpy(&f, data, sizeof f);
    checkNumberTexts(v, f);
    if (!std::isfinite(v)) return 0;  // the program formats finite results only
    const std::size_t choice = data[8];

    const std::string general = formatGeneral(v);
    check(!velm::fuzz::writesNonFinite(general), "the general format writes a number", general);
    const std::optional<double> back = parseNumber(general, false);
    check(back && velm::fuzz::within15Digits(*back, v),
          "the general format reads back to 15 digits", describe(v, "general", general));

    if (choice >= kPatterns.size()) {
        // A pattern of the input's own: bounded, it must still write digits only.
        const std::string pattern(reinterpret_cast<const char*>(data) + 9, std::min<std::size_t>(size - 9, 24));
        const std::string out = formatPattern(v, pattern);
        check(velm::fuzz::writesNonFinite(pattern) || !velm::fuzz::writesNonFinite(out),
              "a pattern writes no non-finite number", describe(v, pattern, out));
        return 0;
    }

    const Pattern& p = kPatterns[choice];
    const std::string out = formatPattern(v, p.text);
    check(out.find_first_not_of(" -0123456789.E+") == std::string::npos,
          "only digits, sign, point and exponent", describe(v, p.text, out));
    check(!out.empty() && out.find('.') != out.size() - 1, "no trailing point", describe(v, p.text, out));
    // Read as a long double: the largest doubles show rounded up past the largest double.
    char* end = nullptr;
    const long double shown = std::strtold(out.c_str(), &end);
    check(end == out.c_str() + out.size() && std::isfinite(shown), "what is shown reads as a number",
          describe(v, p.text, out));
    check((out[out.find_first_not_of(' ')] == '-') == (v < 0 && shown != 0),
          "a minus sign exactly for a negative value that does not show as zero", describe(v, p.text, out));
    const long double magnitude = std::fabs(static_cast<long double>(v));
    const long double place = p.scientific
                                  ? std::pow(10.0L, std::floor(std::log10(magnitude > 0 ? magnitude : 1)) - p.decimals)
                                  : std::pow(10.0L, -p.decimals);
    // Half a unit of the pattern's last place, after reading the value to 15 digits.
    const long double allowed = 0.5L * place * (1 + 1e-9L) + 5e-15L * magnitude + 1e-300L;
    check(std::fabs(shown - static_cast<long double>(v)) <= allowed,
          "what is shown is the value rounded at the pattern's last place", describe(v, p.text, out));
    return 0;
}
