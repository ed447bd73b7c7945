#pragma once
// Acceptance of the temperature and pressure typed on the property screen (and given to the
// command-line calculator): the numeric test, the conversion to kelvin and kPa, the range
// check against the catalogue. Widget-free: the screen only shows what these decide.

#include "engine/Message.h"
#include "engine/Module1.h"

#include <optional>
#include <string>
#include <string_view>

namespace velm {

// The numeric test of every entry box. "." is always a decimal point; when the regional
// settings use a decimal comma, one comma is accepted in its place. Blanks around the number
// and an exponent are allowed; digit grouping, hexadecimal, "inf", "nan" and values too large
// for a double are not. nullopt means "not a number".
std::optional<double> parseNumber(std::string_view text, bool decimalComma);

// The leading number of a row-entry field: blanks, tabs and line feeds are skipped wherever
// they stand; then an optional sign, digits with "." as the decimal point and an optional
// exponent introduced by E, or a hexadecimal (&H) or octal (&O) integer. Reading stops at the
// first character that does not fit; a text with no leading number gives 0.
double leadingNumber(std::string_view text);

// Kelvin from a value in the scale shown by the scale box: "ºC" adds 273, "ºF" takes
// (F − 32) × 5 / 9 + 273, and any other text (K included) leaves the value as it is.
double toKelvin(double value, std::string_view scale);

// The same with the scale's text read once, for many temperatures.
enum class Scale : unsigned char { Kelvin, Celsius, Fahrenheit };
Scale scaleOf(std::string_view scale);
inline double toKelvin(double value, Scale scale) {
    switch (scale) {
        case Scale::Celsius: return value + 273;
        case Scale::Fahrenheit: return (value - 32) * 5 / 9 + 273;
        case Scale::Kelvin: break;
    }
    return value;
}

// The scale box's texts ("K", "ºC", "ºF") from their own spellings or from those a keyboard
// without "º" gives ("C", "°C", "F", "°F"); nullopt for any other text.
std::optional<std::string_view> scaleNamed(std::string_view text);

inline constexpr double kPsiPerAtmosphere = 14.696;

enum class TemperatureOutcome { NotANumber, DoesNotExist, Accepted };

// The temperature rule, a plain function of its inputs: the value in its scale to kelvin,
// refused below 0 K; for a built-in fluid outside its correlation's range, the warning that
// its stored table will be used.
struct TemperatureRule {
    TemperatureOutcome outcome = TemperatureOutcome::NotANumber;
    double kelvin = 0;
    std::optional<Message> outOfRange;
};
TemperatureRule temperatureRule(double value, std::string_view scale, Family family, std::string_view fluid);

struct TemperatureAcceptance {
    TemperatureOutcome outcome = TemperatureOutcome::NotANumber;
    std::string ENRANGO = "SI";
    std::optional<Message> warning;  // the out-of-range warning; none inside the range
};

// Accepts a temperature into TEMP, TEMPENT and ESCALA. A text that is not a number leaves the
// state as it was; a temperature below 0 K stays in the state but is refused.
TemperatureAcceptance acceptTemperature(Module1& m, std::string_view text,
                                        std::string_view scale, bool decimalComma);
// The same for a number already read.
TemperatureAcceptance acceptTemperature(Module1& m, double value, std::string_view scale);

enum class PressureOutcome { NotANumber, Negative, Accepted };

// The pressure rule: a value under SI (kPa) or English units (psi) to kPa; one that is not
// finite is not a number, one below 0 is refused.
struct PressureRule {
    PressureOutcome outcome = PressureOutcome::NotANumber;
    double kPa = 0;
};
PressureRule pressureRule(double value, bool english);
PressureRule pressureRule(std::string_view text, bool english, bool decimalComma);

// Accepts a pressure into PRESION, in kPa (psi are converted under English units).
PressureOutcome acceptPressure(Module1& m, std::string_view text, bool decimalComma);
// The same for a number already read.
PressureOutcome acceptPressure(Module1& m, double value);

// What the user is told when an entry is refused (not for an accepted one).
Message refusal(TemperatureOutcome outcome);
Message refusal(PressureOutcome outcome);

}  // namespace velm
