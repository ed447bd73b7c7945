#pragma once
// A sweep as text: the cells of the screen's table (the property screen's display patterns),
// the line under it, and the three ways out: CSV, tab-separated text for a spreadsheet, and
// the results file of the Archivo menu.

#include "engine/NumberText.h"  // shortestText, the exports' number format
#include "engine/Sweep.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velm {

// Columns: the temperature as entered, the family's properties, where the row came from.
std::size_t sweepColumnCount(Family family);
// The properties' columns are 1 … n; nullopt for the temperature and the source columns.
std::optional<Property> columnProperty(Family family, std::size_t column);
// "T (K)", the results file's headings, "ORIGEN": the exports' heading row, the same in every
// language. (The screen's captions are the text layer's.)
std::vector<std::string> sweepHeadings(Family family, bool english, std::string_view scale);

// "CORRELACION", "PUNTO DE TABLA", "INTERPOLADO", "EXTRAPOLADO"; or why there are no values
// ("NO EXISTE", "NO CALCULABLE"): data, as the exports write them.
std::string_view rowSourceText(const SweepTable& t, std::size_t row);
std::string_view sourceText(RowSource s);

// A cell as the screen shows it: the temperature in the results file's number format, each
// property with its display pattern (empty when not computed), the source.
std::string cellText(const SweepTable& t, std::size_t row, std::size_t column);

// UTF-8, a heading row, one row per temperature, every value to full precision, LF endings.
std::string csvText(const SweepTable& t);
// The same columns separated by tabs, the values with the regional decimal separator.
std::string tsvText(const SweepTable& t, bool decimalComma);
// The results file as the Archivo menu writes a new one: Latin-1, CR LF, the heading line
// and a values line for every temperature computed.
std::string resultsFileText(const SweepTable& t);

}  // namespace velm
