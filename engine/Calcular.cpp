#include "engine/Calcular.h"

#include "correlation/Correlation.h"

using namespace velm;

void CalcularGas(Module1& m) {
    const FluidCorrelations* gas = findCorrelations(gasCorrelations(), m.FLUIDO.value_or(""));
    if (!gas) return;
    const double T = *m.TEMP;
    const double P = *m.PRESION;
    const auto& c = gas->property;

    // Each line uses the values stored by the lines before it.
    const double den = evaluate(c[P_DEN], T);
    m.CP = evaluate(c[P_CP], T);
    m.DEN = (den * P) / kReferencePressure;
    m.MIU = evaluate(c[P_MIU], T) / kGasMiuUnit;
    m.UN = ((evaluate(c[P_UN], T) / kGasUnUnit) * kReferencePressure) / P;
    m.K = evaluate(c[P_K], T) / kGasKUnit;
    m.ALFA = *m.K / ((*m.DEN * *m.CP) * 1000);
    m.PR = ((*m.MIU * *m.CP) * 1000) / *m.K;
}

void CalcularLiquido(Module1& m) {
    const FluidCorrelations* liquid =
        findCorrelations(liquidCorrelations(), m.FLUIDO.value_or(""));
    if (!liquid) return;
    const double T = *m.TEMP;
    const auto& c = liquid->property;

    // Density first: the density-derivative form of BETA divides by it.
    const Piece& densityPiece = selectPiece(c[P_DEN], T);
    const double den = evaluate(densityPiece, T);
    m.DEN = den;
    m.CP = evaluate(c[P_CP], T);
    m.MIU = evaluate(c[P_MIU], T) / kLiquidMiuUnit;
    m.UN = evaluate(c[P_UN], T) / kLiquidUnUnit;
    m.K = evaluate(c[P_K], T);
    m.BETA = evaluate(c[P_BETA], T, &densityPiece, den);
    m.ALFA = *m.K / ((*m.DEN * *m.CP) * 1000);
    m.PR = ((*m.MIU * *m.CP) * 1000) / *m.K;
}
