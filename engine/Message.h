#pragma once
// What the core tells the user, as data: a stable identifier and its arguments, numbers kept
// as numbers and names as strings. The core never writes a sentence; the text layer (i18n/)
// renders a message in the interface's language, the Python module and the web page hand the
// identifier on as an error's code.

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace velm {

enum class MessageId : unsigned char {
    // Entries.
    NotANumber,                // a text that is not a number
    TemperatureDoesNotExist,   // below 0 K
    NegativePressure,          // an absolute pressure below 0
    // Evaluation of a fluid at a temperature.
    ZeroPressure,              // a gas at a pressure of 0
    TooFewPoints,              // a stored table of fewer than two points
    NotComputable,             // a result that is not a finite number
    TableUnreadable,           // (the store's own words): the stored table could not be read
    OutOfCorrelationRange,     // (fluid, lowest K, highest K): taken from the stored table
    AboveTable,                // (fluid, highest stored temperature): extrapolated
    BelowTable,                // (fluid, lowest stored temperature): extrapolated
    // A range of temperatures: DESDE, HASTA, PASO.
    FromAboveTo,
    BadStep,
    TooManyTemperatures,       // (most)
    // Convection.
    LengthNotPositive,
    DiameterNotPositive,
    AreaNotPositive,
    PerimeterNotPositive,
    VelocityNotPositive,
    ValueFromAboveTo,          // a range of values (not temperatures)
    TooManyValues,             // (most)
    GroupOutOfRange,           // (group, value, correlation, its range): computed anyway
};

inline constexpr std::size_t kMessageIdCount = std::size_t(MessageId::GroupOutOfRange) + 1;

using MessageArg = std::variant<std::string, double>;

struct Message {
    MessageId id = MessageId::NotANumber;
    std::vector<MessageArg> args;

    bool operator==(const Message&) const = default;

    const std::string& text(std::size_t i) const { return std::get<std::string>(args.at(i)); }
    double number(std::size_t i) const { return std::get<double>(args.at(i)); }
};

namespace detail {
template <class T>
MessageArg messageArg(T&& value) {
    if constexpr (std::is_arithmetic_v<std::remove_cvref_t<T>>) return MessageArg(static_cast<double>(value));
    else return MessageArg(std::string(std::forward<T>(value)));
}
}  // namespace detail

template <class... Args>
Message message(MessageId id, Args&&... args) {
    return Message{id, {detail::messageArg(std::forward<Args>(args))...}};
}

// The identifier as code outside C++ sees it: "NOT_A_NUMBER", "ZERO_PRESSURE" ... These names
// are an interface (Python's Error.code, the web page's): they never change.
std::string_view messageCode(MessageId id);

}  // namespace velm
