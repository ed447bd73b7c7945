#pragma once
// A convection calculation as the user reads it: the derivation step by step (the screen's
// and the calculator's readable output, and what "Copiar" copies), the case's title, the
// units of the inputs, and the words of a plot of h.

#include "convection/ConvectionEntry.h"
#include "convection/ConvectionOutput.h"
#include "engine/SweepPlot.h"

#include <string>

namespace velm::convection {

// "PLACA PLANA EN FLUJO PARALELO", translated.
std::string caseTitle(Case c);

// The units of the inputs as the interface shows them: "m" or "pie" (in English "ft").
std::string lengthUnit(const Units& u);
std::string areaUnit(const Units& u);
std::string velocityUnit(const Units& u);

// What a derivation tells besides the result: the case, the fluid and the inputs.
struct Derivation {
    Setting setting;
    Inputs inputs;
    double pressure = 0;  // kPa
    const Result* result = nullptr;
};

// One line per step, with the units; the warnings last.
std::string derivationText(const Derivation& d);

// "V (m/s)", "D (pie)", "TS (ºF)"...
std::string variableHeading(Variable v, const Units& u);

// h against the variable, with its words.
PlotData shownPlotData(const Setting& s, const Sweep& sweep);

}  // namespace velm::convection
