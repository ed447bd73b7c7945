#pragma once
// From SI results to what the property screen shows: the conversion to English units, in
// place, and the texts of the result boxes.

#include "engine/Module1.h"

#include <string>
#include <vector>

namespace velm {

// Converts the results of the state to English units in place, by each property's factor
// (PR has no unit; BETA only for liquids).
void convertToEnglish(Module1& m);

// The texts of the result boxes, one per property of the family, in property order.
std::vector<std::string> resultTexts(const Module1& m);

}  // namespace velm
