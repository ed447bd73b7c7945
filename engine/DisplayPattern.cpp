#include "engine/DisplayPattern.h"

#include "engine/NumberText.h"

#include <cmath>
#include <cstdlib>

namespace velm {
namespace {

constexpr int kSignificant = 15;

// |value| to 15 significant digits: digits "ddd…" (no point) and the decimal exponent of the
// first one.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal toDecimal(double magnitude) {
    const std::string scientific = scientificText(magnitude, kSignificant - 1);
    const std::string_view text(scientific);
    const std::size_t e = text.find('e');
    Decimal d;
    for (char ch : text.substr(0, e))
        if (ch != '.') d.digits += ch;
    d.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    // The largest doubles round up past the largest double: 1.7976931348623157E+308 would be
    // written 1.79769313486232E+308, a number no reader takes as finite. Rounded down instead.
    constexpr std::string_view kLargest = "179769313486231";
    if (d.exponent == 308 && d.digits > kLargest) d.digits = kLargest;
    return d;
}

// Keeps the first `keep` digits, rounding half away from zero; a carry out of the first
// digit raises the exponent. keep <= 0 rounds to zero or to one unit of the first kept place.
Decimal roundTo(Decimal d, int keep) {
    if (keep >= static_cast<int>(d.digits.size())) return d;
    if (keep < 0) return Decimal{"", d.exponent};
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (!up) return d;
    int i = keep - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9')
        d.digits[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0) {
        ++d.digits[static_cast<std::size_t>(i)];
    } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent;
    }
    return d;
}

struct PatternShape {
    std::string prefix;      // literal characters before the first placeholder
    int minInteger = 0;      // "0" placeholders before the point
    int minDecimals = 0;     // "0" placeholders after the point
    int maxDecimals = 0;     // all placeholders after the point
    bool scientific = false;
};

PatternShape parse(std::string_view pattern) {
    PatternShape s;
    std::size_t i = 0;
    while (i < pattern.size() && pattern[i] != '#' && pattern[i] != '0' && pattern[i] != '.')
        s.prefix += pattern[i++];
    bool afterPoint = false;
    for (; i < pattern.size(); ++i) {
        const char ch = pattern[i];
        if (ch == '.') afterPoint = true;
        else if (ch == 'E' || ch == 'e') {
            s.scientific = true;
            break;
        } else if (!afterPoint && ch == '0') ++s.minInteger;
        else if (afterPoint && (ch == '0' || ch == '#')) {
            ++s.maxDecimals;
            if (ch == '0' && s.minDecimals == s.maxDecimals - 1) ++s.minDecimals;
        }
    }
    return s;
}

// Integer and fraction digit strings joined with a point; optional zeros dropped.
std::string join(std::string integer, std::string fraction, const PatternShape& s) {
    while (static_cast<int>(fraction.size()) > s.minDecimals && !fraction.empty() &&
           fraction.back() == '0')
        fraction.pop_back();
    while (static_cast<int>(integer.size()) < s.minInteger) integer.insert(0, "0");
    return fraction.empty() ? integer : integer + "." + fraction;
}

std::string fixed(double magnitude, const PatternShape& s) {
    std::string integer;
    std::string fraction(static_cast<std::size_t>(s.maxDecimals), '0');
    if (magnitude != 0) {
        const Decimal exact = toDecimal(magnitude);
        const Decimal d = roundTo(exact, exact.exponent + 1 + s.maxDecimals);
        // digit i of d stands at decimal place exponent − i; place them around the point
        const int pointAt = d.exponent + 1;
        auto digitAt = [&](int i) {
            return i >= 0 && i < static_cast<int>(d.digits.size())
                       ? d.digits[static_cast<std::size_t>(i)]
                       : '0';
        };
        for (int i = 0; i < pointAt; ++i) integer += digitAt(i);
        for (int i = 0; i < s.maxDecimals; ++i)
            fraction[static_cast<std::size_t>(i)] = digitAt(pointAt + i);
    }
    return join(integer, fraction, s);
}

std::string scientific(double magnitude, const PatternShape& s) {
    if (magnitude == 0) return join("0", std::string(static_cast<std::size_t>(s.maxDecimals), '0'), s) + "E+0";
    Decimal d = roundTo(toDecimal(magnitude), 1 + s.maxDecimals);
    d.digits.resize(static_cast<std::size_t>(1 + s.maxDecimals), '0');
    const std::string mantissa = join(d.digits.substr(0, 1), d.digits.substr(1), s);
    return mantissa + "E" + (d.exponent < 0 ? "-" : "+") + std::to_string(std::abs(d.exponent));
}

bool allZero(std::string_view text) {
    for (char ch : text)
        if (ch >= '1' && ch <= '9') return false;
    return true;
}

}  // namespace

std::string formatPattern(double value, std::string_view pattern) {
    const PatternShape s = parse(pattern);
    const std::string body = s.scientific ? scientific(std::fabs(value), s) : fixed(std::fabs(value), s);
    const bool negative = std::signbit(value) && !allZero(body);
    return s.prefix + (negative ? "-" : "") + body;
}

std::string formatGeneral(double value) {
    if (value == 0) return "0";
    Decimal d = toDecimal(std::fabs(value));
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    std::string out = value < 0 ? "-" : "";
    if (d.exponent < -4 || d.exponent >= kSignificant) {
        out += d.digits.substr(0, 1);
        if (d.digits.size() > 1) out += "." + d.digits.substr(1);
        const int e = std::abs(d.exponent);
        out += std::string("E") + (d.exponent < 0 ? "-" : "+") + (e < 10 ? "0" : "") + std::to_string(e);
        return out;
    }
    if (d.exponent < 0) {
        out += "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    } else {
        const auto intDigits = static_cast<std::size_t>(d.exponent + 1);
        if (d.digits.size() <= intDigits) {
            out += d.digits + std::string(intDigits - d.digits.size(), '0');
        } else {
            out += d.digits.substr(0, intDigits) + "." + d.digits.substr(intDigits);
        }
    }
    return out;
}

}  // namespace velm
