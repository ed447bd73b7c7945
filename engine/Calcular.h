#pragma once
// The two correlation steps of an evaluation. Each reads FLUIDO and TEMP (and PRESION for a
// gas) and writes the results in SI units, or assigns nothing when FLUIDO names no
// built-in fluid of its family.

#include "correlation/Correlation.h"
#include "engine/Module1.h"
#include "engine/Properties.h"

#include <array>
#include <cstddef>
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

// Columns of values, one per property (by property index), each holding a value per
// temperature.
using ValueColumns = std::array<double*, kPropertyCount>;
using PropertyValues = std::array<double, kPropertyCount>;

// The same for many temperatures, into columns (a gas's BETA column is 0), each value then
// multiplied by its property's factor in `factors` when given (as a sweep in English units
// multiplies a row): each temperature the bits a single call and that product give it, several
// temperatures side by side. False when a value is not finite.
bool gasValues(const FluidCorrelations& gas, std::span<const double> T, double P, const ValueColumns& out,
               const PropertyValues* factors = nullptr);
bool liquidValues(const FluidCorrelations& liquid, std::span<const double> T, const ValueColumns& out,
                  const PropertyValues* factors = nullptr);

// The lanes those run in: four (AVX2) where the processor has them, otherwise the baseline's
// two. Tests force the baseline to check that both give the single calls' bits.
enum class Lanes { Widest, Baseline };
void useLanes(Lanes lanes);
// How many temperatures go side by side now.
std::size_t laneCount();

}  // namespace velm
