#include "engine/Calcular.h"

using namespace velm;

namespace velm {

std::array<double, kPropertyCount> gasValues(const FluidCorrelations& gas, double T, double P) {
    const auto& c = gas.property;
    std::array<double, kPropertyCount> v{};
    double& DEN = v[index(Property::DEN)];
    double& CP = v[index(Property::CP)];
    double& MIU = v[index(Property::MIU)];
    double& K = v[index(Property::K)];

    // Each line uses the values stored by the lines before it.
    const double den = evaluate(c[P_DEN], T);
    CP = evaluate(c[P_CP], T);
    DEN = (den * P) / kReferencePressure;
    MIU = evaluate(c[P_MIU], T) / kGasMiuUnit;
    v[index(Property::UN)] = ((evaluate(c[P_UN], T) / kGasUnUnit) * kReferencePressure) / P;
    K = evaluate(c[P_K], T) / kGasKUnit;
    v[index(Property::ALFA)] = K / ((DEN * CP) * 1000);
    v[index(Property::PR)] = ((MIU * CP) * 1000) / K;
    return v;
}

std::array<double, kPropertyCount> liquidValues(const FluidCorrelations& liquid, double T) {
    const auto& c = liquid.property;
    std::array<double, kPropertyCount> v{};
    double& DEN = v[index(Property::DEN)];
    double& CP = v[index(Property::CP)];
    double& MIU = v[index(Property::MIU)];
    double& K = v[index(Property::K)];

    // Density first: the density-derivative form of BETA divides by it.
    const Piece& densityPiece = selectPiece(c[P_DEN], T);
    DEN = evaluate(densityPiece, T);
    CP = evaluate(c[P_CP], T);
    MIU = evaluate(c[P_MIU], T) / kLiquidMiuUnit;
    v[index(Property::UN)] = evaluate(c[P_UN], T) / kLiquidUnUnit;
    K = evaluate(c[P_K], T);
    v[index(Property::BETA)] = evaluate(c[P_BETA], T, &densityPiece, DEN);
    v[index(Property::ALFA)] = K / ((DEN * CP) * 1000);
    v[index(Property::PR)] = ((MIU * CP) * 1000) / K;
    return v;
}

}  // namespace velm

namespace {

void store(Module1& m, const std::array<double, kPropertyCount>& v, Family family) {
    for (const PropertyInfo& p : propertiesOf(family)) m.*p.field = v[index(p.id)];
}

}  // namespace

void CalcularGas(Module1& m) {
    const FluidCorrelations* gas = findCorrelations(gasCorrelations(), m.FLUIDO.value_or(""));
    if (!gas) return;
    store(m, gasValues(*gas, *m.TEMP, *m.PRESION), Family::Gases);
}

void CalcularLiquido(Module1& m) {
    const FluidCorrelations* liquid =
        findCorrelations(liquidCorrelations(), m.FLUIDO.value_or(""));
    if (!liquid) return;
    store(m, liquidValues(*liquid, *m.TEMP), Family::Liquids);
}
