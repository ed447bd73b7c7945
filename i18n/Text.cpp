#include "i18n/Text.h"

#include <fmt/format.h>

#include <cmath>

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

std::string generalText(double value, int precision, bool upper) {
    if (std::isnan(value)) return upper ? "NAN" : "nan";
    if (std::isinf(value)) return std::string(value < 0 ? "-" : "") + (upper ? "INF" : "inf");
    return upper ? fmt::format("{:.{}G}", value, precision) : fmt::format("{:.{}g}", value, precision);
}

std::string countText(double n) { return fmt::format("{}", static_cast<long long>(n)); }

}  // namespace velm
