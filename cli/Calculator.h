#pragma once
// velmorantes-calc: the property engine from the command line.

#include <iosfwd>
#include <string>
#include <vector>

namespace velm {

// Runs the calculator on the arguments (without the program name). Values lines go to
// `out`, messages and usage to `err`. Returns the exit status: 0 every value computed,
// 1 an entry refused or a value not computed, 2 a usage error. --language is taken out (the
// caller has installed the translators it asks for, see i18n/Language.h).
int runCalculator(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Whether the arguments ask for a plot, which needs a GUI application object (offscreen).
bool wantsPlot(const std::vector<std::string>& args);

}  // namespace velm
