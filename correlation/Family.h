#pragma once
// The two fluid families. Each has its own built-in fluids, its own database file and its
// own columns; the names "GASES" and "LIQUIDOS" appear only where a family is stored, shown
// or typed.

#include <array>
#include <optional>
#include <string_view>

namespace velm {

enum class Family : unsigned char { Gases, Liquids };

inline constexpr std::array<Family, 2> kFamilies{Family::Gases, Family::Liquids};

constexpr std::string_view familyName(Family f) {
    return f == Family::Gases ? "GASES" : "LIQUIDOS";
}

// Exact, case-sensitive whole names only.
constexpr std::optional<Family> familyNamed(std::string_view name) {
    for (const Family f : kFamilies)
        if (familyName(f) == name) return f;
    return std::nullopt;
}

}  // namespace velm
