#pragma once
// The one calculation state every screen and every engine step shares. A field without a
// value is std::nullopt; ESCALA always holds a string and starts empty.

#include "correlation/Family.h"

#include <optional>
#include <string>

struct Module1 {
    std::optional<std::string> FLUIDO;     // fluid name or stored table title
    std::optional<velm::Family> FAMILIA;
    std::optional<std::string> OPERACION;  // "AGREGAR", "MODIFICAR" or "ELIMINAR"
    std::optional<std::string> TABLA;      // title of the table being maintained
    std::optional<std::string> ARCHIVO;    // "SI" while a save appends to a non-empty file
    std::optional<std::string> UNIDADES;   // "SI" or "INGLES"
    std::string ESCALA;                    // scale text at temperature acceptance
    std::optional<double> TEMP;            // K
    std::optional<double> TEMPENT;         // as typed, in ESCALA
    std::optional<double> PRESION;         // kPa
    std::optional<double> PR;
    std::optional<double> DEN;
    std::optional<double> CP;
    std::optional<double> MIU;
    std::optional<double> UN;
    std::optional<double> K;
    std::optional<double> ALFA;
    std::optional<double> BETA;
};

// The strings the state compares against, always as exact whole strings.
namespace velm {
inline constexpr const char* kSI = "SI";
inline constexpr const char* kNo = "NO";
inline constexpr const char* kEnglish = "INGLES";

// A state without a family is taken as liquids, as every "not gases" test takes it.
inline Family familyOf(const Module1& m) { return m.FAMILIA.value_or(Family::Liquids); }
inline bool isGasFamily(const Module1& m) { return m.FAMILIA == Family::Gases; }
inline bool isEnglish(const Module1& m) { return m.UNIDADES == kEnglish; }
}  // namespace velm
