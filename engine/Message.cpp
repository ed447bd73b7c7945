#include "engine/Message.h"

#include <array>

namespace velm {
namespace {

// In the order of MessageId.
constexpr std::array<std::string_view, kMessageIdCount> kCodes{
    "NOT_A_NUMBER",
    "TEMPERATURE_DOES_NOT_EXIST",
    "NEGATIVE_PRESSURE",
    "ZERO_PRESSURE",
    "TOO_FEW_POINTS",
    "NOT_COMPUTABLE",
    "TABLE_UNREADABLE",
    "OUT_OF_CORRELATION_RANGE",
    "ABOVE_TABLE",
    "BELOW_TABLE",
    "FROM_ABOVE_TO",
    "BAD_STEP",
    "TOO_MANY_TEMPERATURES",
    "LENGTH_NOT_POSITIVE",
    "DIAMETER_NOT_POSITIVE",
    "AREA_NOT_POSITIVE",
    "PERIMETER_NOT_POSITIVE",
    "VELOCITY_NOT_POSITIVE",
    "VALUE_FROM_ABOVE_TO",
    "TOO_MANY_VALUES",
    "GROUP_OUT_OF_RANGE",
};

}  // namespace

std::string_view messageCode(MessageId id) { return kCodes.at(std::size_t(id)); }

}  // namespace velm
