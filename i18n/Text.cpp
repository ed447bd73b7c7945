#include "i18n/Text.h"

#include <fmt/format.h>

#include <cmath>
#include <string>
#include <utility>

namespace velm {
namespace {

Translate gTranslate = nullptr;
DecimalComma gDecimalComma = nullptr;

}  // namespace

void setTextHooks(Translate translate, DecimalComma decimalComma) {
    gTranslate = translate;
    gDecimalComma = decimalComma;
}

std::string localized(const char* context, const char* source) {
    return gTranslate ? gTranslate(context, source) : std::string(source);
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
    if (values.size() == 0) return std::string(pattern);
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            const int n = pattern[i + 1] - '0';
            if (n >= 1 && n <= 9 && static_cast<std::size_t>(n) <= values.size()) {
                out += *(values.begin() + (n - 1));
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string localized(const char* context, const char* source, std::initializer_list<std::string_view> values) {
    return fill(localized(context, source), values);
}

bool regionalDecimalComma() { return gDecimalComma && gDecimalComma(); }

namespace {

// The first `count` significant digits of a > 0, rounded half away from zero as Qt rounds
// (printf rounds a tie to even: 1234.5 to four digits is 1235 in Qt, 1234 in printf), and the
// decimal exponent of the first digit.
std::pair<std::string, int> roundedDigits(double a, int count) {
    // 25 correctly rounded digits decide every case but a possible tie, which the exact
    // expansion (no double has more than 767 significant digits) settles.
    const auto digitsOf = [](const std::string& scientific) {
        std::string d;
        std::size_t i = 0;
        for (; scientific[i] != 'e'; ++i)
            if (scientific[i] != '.') d += scientific[i];
        return std::pair{d, std::stoi(scientific.substr(i + 1))};
    };
    auto [digits, exponent] = digitsOf(fmt::format("{:.24e}", a));
    const std::size_t n = static_cast<std::size_t>(count);
    bool up = digits[n] > '5';
    if (digits[n] == '5') {
        up = digits.find_first_not_of('0', n + 1) != std::string::npos;
        if (!up) {
            const std::string exact = digitsOf(fmt::format("{:.1100e}", a)).first;
            up = exact[n] >= '5';  // a tie, or above it
        }
    }
    digits.resize(n);
    if (up) {
        std::size_t i = n;
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[i - 1];
        }
    }
    return {digits, exponent};
}

}  // namespace

std::string generalText(double value, int precision, bool upper) {
    if (std::isnan(value)) return upper ? "NAN" : "nan";
    if (std::isinf(value)) return std::string(value < 0 ? "-" : "") + (upper ? "INF" : "inf");
    if (value == 0) return "0";  // Qt writes no sign on a negative zero
    const int p = precision < 1 ? 1 : precision;
    auto [digits, exponent] = roundedDigits(std::fabs(value), p);
    std::string out = value < 0 ? "-" : "";
    const auto trimmed = [](std::string integer, std::string fraction) {
        while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
        return fraction.empty() ? integer : integer + "." + fraction;
    };
    if (exponent < -4 || exponent >= p) {
        const int e = exponent < 0 ? -exponent : exponent;
        return out + trimmed(digits.substr(0, 1), digits.substr(1)) + (upper ? "E" : "e") +
               (exponent < 0 ? "-" : "+") + (e < 10 ? "0" : "") + std::to_string(e);
    }
    if (exponent < 0) return out + trimmed("0", std::string(std::size_t(-exponent - 1), '0') + digits);
    const std::size_t whole = std::size_t(exponent) + 1;
    return out + trimmed(digits.substr(0, whole), digits.substr(whole));
}

std::string countText(double n) { return fmt::format("{}", static_cast<long long>(n)); }

}  // namespace velm
