#pragma once
// From SI results to what the property screen shows: the conversion to English units, in
// place, and the texts of the result boxes.

#include "engine/Module1.h"

#include <optional>
#include <string>

namespace velm {

// SI to English factors, applied by multiplication.
inline constexpr double kDenToEnglish = 0.062428;   // kg/m³ → lb/ft³
inline constexpr double kCpToEnglish = 0.238846;    // kJ/(kg·K) → Btu/(lb·°F)
inline constexpr double kMiuToEnglish = 0.02089;    // Pa·s → lbf·s/ft²
inline constexpr double kUnToEnglish = 10.76;       // m²/s → ft²/s
inline constexpr double kKToEnglish = 0.577789;     // W/(m·K) → Btu/(h·ft·°F)
inline constexpr double kAlfaToEnglish = 10.76;     // m²/s → ft²/s
inline constexpr double kBetaToEnglish = 0.555555;  // 1/K → 1/°F

// Converts the results of the state to English units in place (PR has no unit; BETA only
// for liquids).
void convertToEnglish(Module1& m);

// The texts of the result boxes; BETA only for liquids.
struct ResultTexts {
    std::string txtDEN, txtCP, txtVAB, txtVCI, txtCOT, txtALFA, txtNUM;
    std::optional<std::string> txtBETA;
};
ResultTexts resultTexts(const Module1& m);

}  // namespace velm
