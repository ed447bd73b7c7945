#pragma once
// Evaluation of a fluid from its stored table of measured points: the exact point, linear
// interpolation between neighbours, or linear extrapolation from the two end points.

#include "engine/Module1.h"
#include "engine/Properties.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace velm {

// One stored row, widened to double: TEMP and the properties in their order (BETA is 0 in a
// gas table, which has none).
struct TablePoint {
    double TEMP = 0;
    std::array<double, kPropertyCount> value{};

    double operator[](Property p) const { return value[index(p)]; }
};

// Where the points come from (the family's database file).
class PointSource {
public:
    virtual ~PointSource() = default;
    // Hands every row of the family's table `fluid` to `take`, one at a time, in any order
    // (repeated rows may come more than once). Throws UserError when the file or the table
    // cannot be read.
    virtual void readPoints(Family family, std::string_view fluid,
                            const std::function<void(const TablePoint&)>& take) = 0;
};

// Where the messages go (a message box, or standard error).
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void inform(const std::string& text) = 0;
};

enum class TablaOutcome { Computed, TooFewPoints };

// Reads FAMILIA, FLUIDO, TEMP, PRESION (gases); writes the results in SI units. Warns before
// extrapolating unless ENRANGO is "NO" (the user was warned at acceptance). TooFewPoints:
// the message was shown and nothing can be computed from this table.
TablaOutcome CalcularTabla(Module1& m, std::string_view ENRANGO, PointSource& source,
                           Notifier& notifier);

// A stored temperature as the extrapolation messages write it: the shortest decimal text of
// the stored single-precision value, with the regional decimal separator.
std::string storedTemperatureText(double stored, bool decimalComma);

}  // namespace velm
