#pragma once
// The fluid tables that come with the program (compiled in from data/reference), which
// seed a new database file.

#include <string_view>
#include <vector>

namespace velm::store {

// The rows of the shipped table of a built-in fluid, in the file's order, each value already
// rounded as the store keeps it. Throws UserError when the table is missing or damaged.
std::vector<std::vector<double>> shippedTable(bool gas, std::string_view name);

}  // namespace velm::store
