#include "engine/Catalogue.h"

#include <array>

namespace velm {
namespace {

constexpr std::array<BuiltInFluid, 9> kGasFluids{{
    {"AIRE", 100, 3000, " ( 100K <= T <= 3000K )"},
    {"AMONIACO", 300, 580, " ( 300K <= T <= 580K )"},
    {"CO", 200, 800, " ( 200K <= T <= 800K )"},
    {"CO2", 280, 800, " ( 280K <= T <= 800K )"},
    {"HELIO", 100, 1000, " ( 100K <= T <= 1000K )"},
    {"HIDROGENO", 100, 2000, " ( 100K <= T <= 2000K )"},
    {"NITROGENO", 100, 1300, " ( 100K <= T <= 1300K )"},
    {"OXIGENO", 100, 1300, " ( 100K <= T <= 1300K )"},
    {"VAPOR", 380, 850, " ( 380K <= T <= 850K )"},
}};

constexpr std::array<BuiltInFluid, 9> kLiquidFluids{{
    {"ACEITE", 273, 430, " ( 273K <= T <= 430K )"},
    {"AGUA", 273, 573, " ( 273K <= T <= 573K )"},
    {"AMONIACO", 223, 323, " ( 223K <= T <= 323K )"},
    {"CO2", 223, 303, " ( 223K <= T <= 303K )"},
    {"FREON12", 230, 320, " ( 230K <= T <= 320K )"},
    {"GLICERINA", 273, 320, " ( 273K <= T <= 320K )"},
    {"GLICOL", 273, 373, " ( 273K <= T <= 373K )"},
    {"MERCURIO", 273, 600, " ( 273K <= T <= 600K )"},
    {"SO2", 223, 323, " ( 223K <= T <= 323K )"},
}};

}  // namespace

std::span<const BuiltInFluid> builtInFluids(std::string_view family) {
    if (family == "GASES") return kGasFluids;
    return kLiquidFluids;
}

const BuiltInFluid* lookupBuiltIn(std::string_view family, std::string_view name) {
    for (const BuiltInFluid& f : builtInFluids(family))
        if (f.name == name) return &f;
    return nullptr;
}

}  // namespace velm
