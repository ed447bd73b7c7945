#pragma once
// The built-in fluids of each family with their closed kelvin ranges and the range text
// that the out-of-range warning quotes. Both come from the correlation layout: a fluid's
// range is where its correlations hold.

#include "correlation/Family.h"

#include <span>
#include <string>
#include <string_view>

namespace velm {

struct BuiltInFluid {
    std::string_view name;
    double lowest;   // K
    double highest;  // K
    std::string rangeText;  // " ( 100K <= T <= 3000K )"

    bool inRange(double kelvin) const { return kelvin >= lowest && kelvin <= highest; }
};

// In catalogue order (the order of the fluid lists and the shipped tables).
std::span<const BuiltInFluid> builtInFluids(Family family);

// Exact, case-sensitive, whole-name lookup; nullptr when the name is not built in.
const BuiltInFluid* lookupBuiltIn(Family family, std::string_view name);

inline bool isBuiltIn(Family family, std::string_view name) {
    return lookupBuiltIn(family, name) != nullptr;
}

// A closed kelvin range as the warnings quote it: " ( 100K <= T <= 3000K )".
std::string rangeText(double lowest, double highest);

}  // namespace velm
