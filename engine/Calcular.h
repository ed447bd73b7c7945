#pragma once
// The two correlation steps of an evaluation. Each reads FLUIDO and TEMP (and PRESION for a
// gas) and writes the results in SI units, or assigns nothing when FLUIDO names no
// built-in fluid of its family.

#include "correlation/Correlation.h"
#include "engine/Module1.h"
#include "engine/Properties.h"

#include <array>
#include <span>

// Gases: DEN, CP, MIU, UN, K, ALFA, PR at PRESION. Needs PRESION > 0.
void CalcularGas(Module1& m);

// Liquids: DEN, CP, MIU, UN, K, BETA, ALFA, PR.
void CalcularLiquido(Module1& m);

namespace velm {

// The same for a fluid's correlations already found, by property index: what a sweep over
// many temperatures computes without looking the fluid up again. A gas's BETA is 0.
std::array<double, kPropertyCount> gasValues(const FluidCorrelations& gas, double T, double P);
std::array<double, kPropertyCount> liquidValues(const FluidCorrelations& liquid, double T);

// The same for two temperatures at once, each row the bits a single call gives it: what a
// sweep computes, the arithmetic of both done side by side where it can be.
void gasValues(const FluidCorrelations& gas, const std::array<double, 2>& T, double P,
               std::array<std::array<double, kPropertyCount>, 2>& out);
void liquidValues(const FluidCorrelations& liquid, const std::array<double, 2>& T,
                  std::array<std::array<double, kPropertyCount>, 2>& out);

// The same for many temperatures (as many as `out` holds), each row the bits a single call
// gives it.
void gasValues(const FluidCorrelations& gas, std::span<const double> T, double P,
               std::span<std::array<double, kPropertyCount>> out);
void liquidValues(const FluidCorrelations& liquid, std::span<const double> T,
                  std::span<std::array<double, kPropertyCount>> out);

}  // namespace velm
