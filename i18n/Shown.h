#pragma once
// What the screens and the exports' readers see of the engine's data, in the interface's
// language: the captions of the properties and their units, the fluids' names in the lists,
// the cells and the line under a table of properties, and the words of its plot. Data (the
// exports, the results file, the stored tables) stay as the engine writes them.

#include "correlation/Family.h"
#include "engine/Properties.h"
#include "engine/Sweep.h"
#include "engine/SweepPlot.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velm {

// A property's heading, or its unit, as the screens caption them ("V.AB. (Pa.s)", in English
// "V.AB. (Pa.s)" too, but "pie" is "ft").
std::string shownHeading(const PropertyInfo& p, bool english);
std::string shownUnit(const PropertyInfo& p, bool english);
// A symbol or unit of the engine's ("pie", "V.CI.") in the interface's language.
std::string shownSymbol(std::string_view text);

// A stored table's title as the fluid lists show it: a built-in fluid's title with, in
// English, its English name beside it ("AIRE (air)"); any other title as it is. Only the
// title is stored, typed and saved.
std::string shownFluidName(Family family, std::string_view title);

// The screen's table: its captions, and a cell with where it came from in the interface's
// language (the exports keep cellText's).
std::vector<std::string> shownSweepHeadings(Family family, bool english, std::string_view scale);
std::string shownCellText(const SweepTable& t, std::size_t row, std::size_t column);

// The line under the table: temperatures outside the correlation's range and taken from the
// stored table, beyond the stored table's ends, or not computed; empty when none.
std::string summaryText(const SweepTable& t);

// The plot of one property with its words: title, axes, legend.
PlotData shownPlotData(const SweepTable& t, Property property, bool logAxis);

}  // namespace velm
