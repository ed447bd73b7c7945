#pragma once
// A convection calculation as text: the derivation step by step (the screen's and the
// calculator's readable output, and what "Copiar" copies), the CSV rows, and the numbers of a
// plot of h against the input a sweep varies.

#include "convection/ConvectionEntry.h"
#include "engine/SweepPlot.h"

#include <QString>

#include <string>
#include <vector>

namespace velm::convection {

// "PLACA PLANA EN FLUJO PARALELO", translated.
QString caseTitle(Case c);

// The units of the inputs as the interface shows them: "m" or "pie" (in English "ft").
QString lengthUnit(const Units& u);
QString areaUnit(const Units& u);
QString velocityUnit(const Units& u);

// The values in the units shown: the properties with the program's factors, h and q with
// exact ones, the property temperature in the scale given.
struct Shown {
    double propertyTemperature;
    std::array<double, kPropertyCount> property;
    std::optional<double> surfaceViscosity;
    double h, q;
};
Shown shown(const Result& r, const Units& u);

// What a derivation tells besides the result: the case, the fluid and the inputs.
struct Derivation {
    Setting setting;
    Inputs inputs;
    double pressure = 0;  // kPa
    const Result* result = nullptr;
};

// One line per step, with the units; the warnings last.
std::string derivationText(const Derivation& d);

// "CASO,CORRELACION,T_PROPIEDADES,...,H,Q" and a row per calculation, LF endings: "." decimals,
// every number to full precision, in the units given; a field that does not apply is empty.
std::string csvHeading();
std::string csvRow(const Setting& s, const Result& r);

// "V (m/s)", "D (pie)", "TS (ºF)"...
std::string variableHeading(Variable v, const Units& u);
// h against the variable: solid within the correlations' ranges, dashed outside.
PlotData plotData(const Setting& s, const Sweep& sweep);

}  // namespace velm::convection
