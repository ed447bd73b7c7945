#pragma once
// The built-in fluids of each family with their closed kelvin ranges and the range text
// that the out-of-range warning quotes.

#include <span>
#include <string_view>

namespace velm {

struct BuiltInFluid {
    std::string_view name;
    double lowest;   // K
    double highest;  // K
    std::string_view rangeText;

    bool inRange(double kelvin) const { return kelvin >= lowest && kelvin <= highest; }
};

// "GASES" selects the gas list, any other family the liquid list.
std::span<const BuiltInFluid> builtInFluids(std::string_view family);

// Exact, case-sensitive, whole-name lookup; nullptr when the name is not built in.
const BuiltInFluid* lookupBuiltIn(std::string_view family, std::string_view name);

inline bool isBuiltIn(std::string_view family, std::string_view name) {
    return lookupBuiltIn(family, name) != nullptr;
}

}  // namespace velm
