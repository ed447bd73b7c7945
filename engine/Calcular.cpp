#include "engine/Calcular.h"

using namespace velm;

namespace velm {
namespace {

double at(Correlation c, const Powers& t) { return evaluate(selectPiece(c, t.T()), t); }

}  // namespace

// Flattened: every evaluator call inside is inlined, for the many temperatures of a sweep.
[[gnu::flatten]] std::array<double, kPropertyCount> gasValues(const FluidCorrelations& gas, double T, double P) {
    const auto& c = gas.property;
    std::array<double, kPropertyCount> v{};
    double& DEN = v[index(Property::DEN)];
    double& CP = v[index(Property::CP)];
    double& MIU = v[index(Property::MIU)];
    double& K = v[index(Property::K)];

    // The powers of T once, for every correlation; each line uses the values stored by the
    // lines before it.
    const Powers t(T);
    const double den = at(c[P_DEN], t);
    CP = at(c[P_CP], t);
    DEN = (den * P) / kReferencePressure;
    MIU = at(c[P_MIU], t) / kGasMiuUnit;
    v[index(Property::UN)] = ((at(c[P_UN], t) / kGasUnUnit) * kReferencePressure) / P;
    K = at(c[P_K], t) / kGasKUnit;
    v[index(Property::ALFA)] = K / ((DEN * CP) * 1000);
    v[index(Property::PR)] = ((MIU * CP) * 1000) / K;
    return v;
}

[[gnu::flatten]] std::array<double, kPropertyCount> liquidValues(const FluidCorrelations& liquid, double T) {
    const auto& c = liquid.property;
    std::array<double, kPropertyCount> v{};
    double& DEN = v[index(Property::DEN)];
    double& CP = v[index(Property::CP)];
    double& MIU = v[index(Property::MIU)];
    double& K = v[index(Property::K)];

    // Density first: the density-derivative form of BETA divides by it.
    const Powers t(T);
    const Piece& densityPiece = selectPiece(c[P_DEN], T);
    DEN = evaluate(densityPiece, t);
    CP = at(c[P_CP], t);
    MIU = at(c[P_MIU], t) / kLiquidMiuUnit;
    v[index(Property::UN)] = at(c[P_UN], t) / kLiquidUnUnit;
    K = at(c[P_K], t);
    v[index(Property::BETA)] = evaluate(selectPiece(c[P_BETA], T), t, &densityPiece, DEN);
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
