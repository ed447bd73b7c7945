#include "engine/Catalogue.h"

#include "correlation/CorrelationLayout.h"

#include <vector>

namespace velm {
namespace {

std::string kelvins(double k) { return std::to_string(static_cast<long long>(k)) + "K"; }

std::vector<BuiltInFluid> fromLayout(Family family) {
    std::vector<BuiltInFluid> fluids;
    for (const FluidLayout& f : correlationLayout())
        if (f.family == family) fluids.push_back({f.name, f.lowest, f.highest, rangeText(f.lowest, f.highest)});
    return fluids;
}

}  // namespace

std::string rangeText(double lowest, double highest) {
    return " ( " + kelvins(lowest) + " <= T <= " + kelvins(highest) + " )";
}

std::span<const BuiltInFluid> builtInFluids(Family family) {
    static const std::vector<BuiltInFluid> gases = fromLayout(Family::Gases);
    static const std::vector<BuiltInFluid> liquids = fromLayout(Family::Liquids);
    return family == Family::Gases ? gases : liquids;
}

const BuiltInFluid* lookupBuiltIn(Family family, std::string_view name) {
    for (const BuiltInFluid& f : builtInFluids(family))
        if (f.name == name) return &f;
    return nullptr;
}

}  // namespace velm
