#pragma once
// The two lines of the results file: the headings, and the values of one calculation, in
// the unit system the results were shown in.

#include "engine/Module1.h"
#include "engine/Properties.h"

#include <array>
#include <string>
#include <string_view>

namespace velm {

// The temperature's heading: "T (K)" or "T (ºC)" under SI units, as the scale was chosen;
// "T (ºF)" under English units.
std::string temperatureHeading(const Module1& m);

// Quoted, comma-separated headings (eight for gases, nine for liquids), UTF-8, no line end.
std::string headingLine(const Module1& m);

// TEMPENT and the results, comma-separated in the general number format, no line end.
// Every value written must be present.
std::string valuesLine(const Module1& m);

// The same from the values themselves: the unit system and scale the temperature was entered
// in, and the results by property index (only the family's are written).
std::string temperatureHeading(bool english, std::string_view scale);
std::string headingLine(Family family, bool english, std::string_view scale);
std::string valuesLine(Family family, double TEMPENT,
                       const std::array<double, kPropertyCount>& results);

// A line as the results file holds it: Latin-1 ("º" is the byte BA) ending in CR LF.
std::string toFileLine(const std::string& utf8Line);

}  // namespace velm
