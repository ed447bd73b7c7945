#pragma once
// velmorantes-calc --convection: a convection coefficient, or a sweep of one input, from the
// properties of a fluid.

#include <iosfwd>
#include <map>
#include <string>

namespace velm {

// A usage error of the convection mode; the calculator prints it with its help.
struct ConvectionUsageError {
    std::string problem;
};

// The options given (name to value) after the calculator has checked their names. Writes the
// derivation or the CSV rows to `out`, warnings and refusals to `err`; returns 0, or 1 when an
// entry is refused or a value cannot be computed (then nothing is written to `out`). Throws
// ConvectionUsageError.
int runConvection(const std::map<std::string, std::string>& options, std::ostream& out, std::ostream& err);

// The convection options' lines of the calculator's help.
std::string convectionUsage();

}  // namespace velm
