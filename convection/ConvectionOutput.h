#pragma once
// A convection calculation as data: its values in the units shown, the CSV rows, and the
// numbers of a plot of h against the input a sweep varies. (The derivation as text, and the
// words of the plot, are the text layer's: i18n/Derivation.h.)

#include "convection/ConvectionEntry.h"
#include "engine/SweepPlot.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velm::convection {

// The values in the units shown: the properties with the program's factors, h and q with
// exact ones, the property temperature in the scale given.
struct Shown {
    double propertyTemperature;
    std::array<double, kPropertyCount> property;
    std::optional<double> surfaceViscosity;
    double h, q;
};
Shown shown(const Result& r, const Units& u);

// The CSV's numeric columns, after CASO and CORRELACION, in order: each its key and its value in
// a row (none: the case has no such field). The CSV, the Python module and the web page read it.
struct NumericColumn {
    std::string_view key;
    std::optional<double> (*value)(const Result& r, const Shown& shown);
};
std::span<const NumericColumn> numericColumns();

// "CASO,CORRELACION,T_PROPIEDADES,...,H,Q" and a row per calculation, LF endings: "." decimals,
// every number to full precision, in the units given; a field that does not apply is empty.
std::string csvHeading();
std::string csvRow(const Setting& s, const Result& r);

// h against the variable: solid within the correlations' ranges, dashed outside. Numbers only.
PlotData plotData(const Setting& s, const Sweep& sweep);

}  // namespace velm::convection
