#pragma once
// The points of a stored table and where they come from (the family's database file, or any
// other source of measured points).

#include "correlation/Family.h"
#include "engine/Properties.h"

#include <array>
#include <functional>
#include <string_view>

namespace velm {

// One stored row, widened to double: TEMP and the properties in their order (BETA is 0 in a
// gas table, which has none).
struct TablePoint {
    double TEMP = 0;
    std::array<double, kPropertyCount> value{};

    double operator[](Property p) const { return value[index(p)]; }
};

class PointSource {
public:
    virtual ~PointSource() = default;
    // Hands every row of the family's table `fluid` to `take`, one at a time, in any order
    // (repeated rows may come more than once). Throws UserError, whose text is the whole
    // message, when the file or the table cannot be read.
    virtual void readPoints(Family family, std::string_view fluid,
                            const std::function<void(const TablePoint&)>& take) = 0;
};

}  // namespace velm
