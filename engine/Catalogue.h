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

// A stored table's title as the fluid lists show it: a built-in fluid's title with, in
// English, its English name beside it ("AIRE (air)"); any other title as it is. Only the
// title is stored, typed and saved.
std::string shownFluidName(Family family, std::string_view title);

}  // namespace velm
