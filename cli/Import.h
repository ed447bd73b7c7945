#pragma once
// velmorantes-import: converts an old Access database file into the program's format.

#include <iosfwd>
#include <string>
#include <vector>

namespace velm {

// Runs the conversion on the arguments (without the program name). The report goes to
// `out`, messages and usage to `err`. Returns the exit status: 0 every table and row taken
// over, 1 some left out, 2 a usage error or a file that could not be read or written.
int runImport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace velm
