#pragma once
// The eight properties the program reports, with everything that is said about each in one
// place: its column in the stored tables and its field in the calculation state, its heading
// in the results file, its unit captions, its factor to English units and its display
// patterns. Every list of properties in the program (result boxes, results lines, table
// columns, the row-entry fields, the command line's help) is read from this table, in this
// order.

#include "correlation/Family.h"
#include "engine/Module1.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velm {

enum class Property : unsigned char { DEN, CP, MIU, UN, K, ALFA, PR, BETA };
inline constexpr std::size_t kPropertyCount = 8;

constexpr std::size_t index(Property p) { return static_cast<std::size_t>(p); }

struct PropertyInfo {
    Property id;
    std::string_view column;                 // stored tables' column, calculation state's field
    std::optional<double> Module1::*field;
    std::string_view symbol;                 // results-file heading before the unit
    std::string_view siUnit;                 // as captioned on the screens; empty: no unit
    std::string_view englishUnit;
    double toEnglish;                        // SI to English, by multiplication (PR: 1)
    std::string_view gasPattern;             // display patterns (BETA: liquids only)
    std::string_view liquidPattern;

    std::string_view unit(bool english) const { return english ? englishUnit : siUnit; }
    std::string_view pattern(Family f) const { return f == Family::Gases ? gasPattern : liquidPattern; }
    // "V.AB. (Pa.s)"; a property without a unit is its symbol alone ("Pr"). Data: the same in
    // every language (the screens' captions are the text layer's).
    std::string heading(bool english) const;
};

inline constexpr std::string_view kScientific = "#.####E+##";

inline constexpr std::array<PropertyInfo, kPropertyCount> kProperties{{
    {Property::DEN, "DEN", &Module1::DEN, "D", "Kg/m^3", "Lb/pie^3", 0.062428, " ##0.#####",
     "##0.0#"},
    {Property::CP, "CP", &Module1::CP, "Cp", "KJ/(Kg.K)", "Btu/(Lb.ºF)", 0.238846, "##0.####",
     "##0.0####"},
    {Property::MIU, "MIU", &Module1::MIU, "V.AB.", "Pa.s", "Lbf.s/pie^2", 0.02089, kScientific,
     kScientific},
    {Property::UN, "UN", &Module1::UN, "V.CI.", "m^2/s", "pie^2/s", 10.76, kScientific,
     kScientific},
    {Property::K, "K", &Module1::K, "K", "W/(m.K)", "Btu/(h.pie.ºF)", 0.577789, kScientific,
     kScientific},
    {Property::ALFA, "ALFA", &Module1::ALFA, "ALFA", "m^2/s", "pie^2/s", 10.76, kScientific,
     kScientific},
    {Property::PR, "PR", &Module1::PR, "Pr", "", "", 1, "##0.####", "##0.0####"},
    {Property::BETA, "BETA", &Module1::BETA, "BETA", "1/K", "1/ºF", 0.555555, "", kScientific},
}};

constexpr const PropertyInfo& info(Property p) { return kProperties[index(p)]; }

// The properties of a family: all eight for liquids, all but BETA (the last) for gases.
constexpr std::span<const PropertyInfo> propertiesOf(Family f) {
    return std::span<const PropertyInfo>(kProperties).first(f == Family::Gases ? 7 : 8);
}

}  // namespace velm
