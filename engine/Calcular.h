#pragma once
// The two correlation steps of an evaluation. Each reads FLUIDO and TEMP (and PRESION for a
// gas) and writes the results in SI units, or assigns nothing when FLUIDO names no
// built-in fluid of its family.

#include "engine/Module1.h"

// Gases: DEN, CP, MIU, UN, K, ALFA, PR at PRESION. Needs PRESION > 0.
void CalcularGas(Module1& m);

// Liquids: DEN, CP, MIU, UN, K, BETA, ALFA, PR.
void CalcularLiquido(Module1& m);
