#include "engine/Catalogue.h"

#include "correlation/CorrelationLayout.h"
#include "i18n/Text.h"

#include <vector>

namespace velm {
namespace {

std::string kelvins(double k) { return std::to_string(static_cast<long long>(k)) + "K"; }

std::vector<BuiltInFluid> fromLayout(Family family) {
    std::vector<BuiltInFluid> fluids;
    for (const FluidLayout& f : correlationLayout())
        if (f.family == family)
            fluids.push_back({f.name, f.lowest, f.highest,
                              " ( " + kelvins(f.lowest) + " <= T <= " + kelvins(f.highest) + " )"});
    return fluids;
}

// The built-in fluids' titles, translated into the title with the English name beside it.
[[maybe_unused]] constexpr const char* kShownNames[] = {
    QT_TRANSLATE_NOOP("velm::fluids", "AIRE"),      QT_TRANSLATE_NOOP("velm::fluids", "AMONIACO"),
    QT_TRANSLATE_NOOP("velm::fluids", "CO"),        QT_TRANSLATE_NOOP("velm::fluids", "CO2"),
    QT_TRANSLATE_NOOP("velm::fluids", "HELIO"),     QT_TRANSLATE_NOOP("velm::fluids", "HIDROGENO"),
    QT_TRANSLATE_NOOP("velm::fluids", "NITROGENO"), QT_TRANSLATE_NOOP("velm::fluids", "OXIGENO"),
    QT_TRANSLATE_NOOP("velm::fluids", "VAPOR"),     QT_TRANSLATE_NOOP("velm::fluids", "ACEITE"),
    QT_TRANSLATE_NOOP("velm::fluids", "AGUA"),      QT_TRANSLATE_NOOP("velm::fluids", "FREON12"),
    QT_TRANSLATE_NOOP("velm::fluids", "GLICERINA"), QT_TRANSLATE_NOOP("velm::fluids", "GLICOL"),
    QT_TRANSLATE_NOOP("velm::fluids", "MERCURIO"),  QT_TRANSLATE_NOOP("velm::fluids", "SO2"),
};

}  // namespace

std::string shownFluidName(Family family, std::string_view title) {
    const BuiltInFluid* f = lookupBuiltIn(family, title);
    return f ? translatedText("velm::fluids", std::string(f->name).c_str()) : std::string(title);
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
