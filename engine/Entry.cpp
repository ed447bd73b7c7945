#include "engine/Entry.h"

#include "correlation/Correlation.h"
#include "engine/Catalogue.h"
#include "engine/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace velm {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// Whether a number that a double cannot hold is too small rather than too large, read from its
// digits: where its first significant digit stands, moved by the exponent. `number` is
// digits [. digits] [(e|E) sign? digits], without a sign. (A fraction of hundreds of zeros and
// no exponent is as tiny as one written with E-500.)
bool beyondRangeIsTiny(std::string_view number) {
    std::size_t i = 0;
    long long magnitude = -1;  // the power of ten of the first significant digit
    bool significant = false;
    for (; i < number.size() && isDigit(number[i]); ++i)
        if (significant || number[i] != '0') significant = true, ++magnitude;
    if (i < number.size() && number[i] == '.') {
        for (++i; i < number.size() && isDigit(number[i]); ++i) {
            if (significant) continue;
            if (number[i] != '0') significant = true;
            else --magnitude;
        }
    }
    if (!significant) return true;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        const bool negative = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
        long long exponent = 0;
        constexpr long long kCap = 1'000'000'000;  // far past any double, far from overflow
        for (; i < number.size() && isDigit(number[i]); ++i)
            exponent = std::min(kCap, exponent * 10 + (number[i] - '0'));
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude < 0;
}

}  // namespace

std::optional<double> parseNumber(std::string_view text, bool decimalComma) {
    std::string s(trimmed(text));
    if (decimalComma && s.find('.') == std::string::npos) {
        const auto comma = s.find(',');
        if (comma != std::string::npos) s[comma] = '.';
    }

    // sign? digits [. digits] [(e|E) sign? digits], with at least one mantissa digit
    std::size_t i = 0;
    const bool negative = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) ++i;
    const std::size_t unsignedStart = i;
    bool anyDigit = false, point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) anyDigit = true;
        else if (s[i] == '.' && !point) point = true;
        else break;
    }
    if (!anyDigit) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (i == s.size() || !isDigit(s[i])) return std::nullopt;
        while (i < s.size() && isDigit(s[i])) ++i;
    }
    if (i != s.size()) return std::nullopt;

    const char* first = s.data() + unsignedStart;
    const char* last = s.data() + s.size();
    double value = 0;
    const auto [end, ec] = readNumber(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // Beyond a double's range: too large is refused, too small is zero.
        if (!beyondRangeIsTiny(std::string_view(first, std::size_t(last - first)))) return std::nullopt;
        value = 0;
    } else if (ec != std::errc{} || end != last) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

double leadingNumber(std::string_view text) {
    std::string s;
    for (char c : text)
        if (!isBlank(c)) s += c;

    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        const int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
        double value = 0;
        for (std::size_t i = 2; i < s.size(); ++i) {
            const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(s[i])));
            const int digit = isDigit(c) ? c - '0' : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : 99;
            if (digit >= base) break;
            value = value * base + digit;
        }
        return value;
    }

    // The longest prefix of the form sign? digits [. digits] [E sign? digits].
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) ++j;
            end = j;
        }
    }
    const bool negative = s[0] == '-';
    const std::size_t start = (s[0] == '+' || s[0] == '-') ? 1 : 0;
    double value = 0;
    const auto [ptr, ec] = readNumber(s.data() + start, s.data() + end, value);
    if (ec == std::errc::result_out_of_range) {
        // too large becomes infinity (refused when stored), too small zero
        const bool tiny = beyondRangeIsTiny(std::string_view(s).substr(start, end - start));
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

double toKelvin(double value, std::string_view scale) { return toKelvin(value, scaleOf(scale)); }

Scale scaleOf(std::string_view scale) {
    if (scale == "ºC") return Scale::Celsius;
    if (scale == "ºF") return Scale::Fahrenheit;
    return Scale::Kelvin;
}

std::optional<std::string_view> scaleNamed(std::string_view text) {
    if (text == "K") return "K";
    if (text == "ºC" || text == "C" || text == "°C") return "ºC";
    if (text == "ºF" || text == "F" || text == "°F") return "ºF";
    return std::nullopt;
}

TemperatureRule temperatureRule(double value, std::string_view scale, Family family, std::string_view fluid) {
    TemperatureRule r;
    r.kelvin = toKelvin(value, scale);
    if (r.kelvin < 0) {
        r.outcome = TemperatureOutcome::DoesNotExist;
        return r;
    }
    r.outcome = TemperatureOutcome::Accepted;
    const BuiltInFluid* builtIn = lookupBuiltIn(family, fluid);
    if (builtIn && !builtIn->inRange(r.kelvin))
        r.outOfRange = message(MessageId::OutOfCorrelationRange, fluid, builtIn->lowest, builtIn->highest);
    return r;
}

TemperatureAcceptance acceptTemperature(Module1& m, std::string_view text,
                                        std::string_view scale, bool decimalComma) {
    const std::optional<double> number = parseNumber(text, decimalComma);
    if (!number) return {};
    return acceptTemperature(m, *number, scale);
}

TemperatureAcceptance acceptTemperature(Module1& m, double value, std::string_view scale) {
    TemperatureRule rule = temperatureRule(value, scale, familyOf(m), m.FLUIDO.value_or(""));
    m.TEMPENT = value;
    m.ESCALA = std::string(scale);
    m.TEMP = rule.kelvin;
    TemperatureAcceptance result;
    result.outcome = rule.outcome;
    if (rule.outOfRange) {
        result.warning = std::move(rule.outOfRange);
        result.ENRANGO = kNo;
    }
    return result;
}

PressureRule pressureRule(double value, bool english) {
    if (!std::isfinite(value)) return {};
    const double kPa = english ? (value * kReferencePressure) / kPsiPerAtmosphere : value;
    return {kPa < 0 ? PressureOutcome::Negative : PressureOutcome::Accepted, kPa};
}

PressureRule pressureRule(std::string_view text, bool english, bool decimalComma) {
    const std::optional<double> number = parseNumber(text, decimalComma);
    return number ? pressureRule(*number, english) : PressureRule{};
}

PressureOutcome acceptPressure(Module1& m, std::string_view text, bool decimalComma) {
    const std::optional<double> number = parseNumber(text, decimalComma);
    if (!number) return PressureOutcome::NotANumber;
    return acceptPressure(m, *number);
}

PressureOutcome acceptPressure(Module1& m, double value) {
    const PressureRule rule = pressureRule(value, isEnglish(m));
    if (rule.outcome != PressureOutcome::NotANumber) m.PRESION = rule.kPa;
    return rule.outcome;
}

Message refusal(TemperatureOutcome outcome) {
    switch (outcome) {
        case TemperatureOutcome::NotANumber: return message(MessageId::NotANumber);
        case TemperatureOutcome::DoesNotExist: return message(MessageId::TemperatureDoesNotExist);
        case TemperatureOutcome::Accepted: break;
    }
    throw std::logic_error("an accepted temperature is not refused");
}

Message refusal(PressureOutcome outcome) {
    switch (outcome) {
        case PressureOutcome::NotANumber: return message(MessageId::NotANumber);
        case PressureOutcome::Negative: return message(MessageId::NegativePressure);
        case PressureOutcome::Accepted: break;
    }
    throw std::logic_error("an accepted pressure is not refused");
}

}  // namespace velm
