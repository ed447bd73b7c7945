#pragma once
// The choice the table step makes among the points of a stored table for one temperature,
// and the arithmetic it applies to them. The single evaluation and the sweep over many
// temperatures both go through here, so that they choose the same points and compute the
// same bits.

#include "engine/PointSource.h"

#include <array>
#include <optional>
#include <vector>

namespace velm {

// The points that matter for a temperature T. Points that share a temperature come in no
// defined order; which of them stands is fixed: at T itself the last read, below T the last
// read of the highest temperature, above T the first read of the lowest one, and at the ends
// of the table the first read of each end temperature.
struct Selection {
    const TablePoint* exact = nullptr;
    const TablePoint* lower = nullptr;
    const TablePoint* upper = nullptr;
    const TablePoint* lowest = nullptr;
    const TablePoint* secondLowest = nullptr;
    const TablePoint* highest = nullptr;
    const TablePoint* secondHighest = nullptr;
    bool twoDistinctRows = false;  // at least two rows that differ somewhere
};

// One pass over the points, in whatever order they come, keeping never more than a handful.
struct Reading {
    double T = 0;  // the temperature asked for
    std::optional<TablePoint> firstRow;
    bool twoDistinctRows = false;
    std::optional<TablePoint> exact, lower, upper;
    std::optional<TablePoint> lowest, secondLowest, highest, secondHighest;

    void take(const TablePoint& p);
    Selection selection() const;
};

// Whether a row differs from the first row read, as the step tells one point from two.
inline bool differs(const TablePoint& p, const TablePoint& first) {
    return p.TEMP != first.TEMP || p.value != first.value;
}

// How the values at T come from the table: a point's own values, the line through two
// neighbours, the line through the two end points beyond an end, or nothing (fewer than two
// points to draw a line through).
enum class TableStep { Exact, Between, Above, Below, TooFewPoints };

struct TableLine {
    TableStep step = TableStep::TooFewPoints;
    const TablePoint* first = nullptr;   // the line's points (Between, Above, Below)
    const TablePoint* second = nullptr;
    const TablePoint* end = nullptr;     // the end point passed (Above, Below)
};

TableLine chooseLine(const Selection& s);

// The values at T on the line through the two points, property by property.
TablePoint alongLine(const TablePoint& first, const TablePoint& second, double T);

// The stored values at the pressure P (kPa): a gas's density scales with the pressure, its
// diffusivities inversely; a liquid's values stand as stored. A gas's BETA is not written.
std::array<double, kPropertyCount> atPressure(const TablePoint& v, bool gas, double P);

// A stored table read once, indexed by temperature so that each temperature of a sweep (or
// of any calculation that evaluates one fluid many times) finds its points by a binary search
// and makes the choice a fresh reading would make. Holds a reference to the points.
class TableIndex {
public:
    explicit TableIndex(const std::vector<TablePoint>& points);
    Selection select(double T);

private:
    const std::vector<TablePoint>& points_;
    bool twoDistinctRows_ = false;
    bool slow_ = false;
    std::vector<double> temps_;              // the distinct temperatures, ascending
    std::vector<const TablePoint*> first_;   // the first point read at each
    std::vector<const TablePoint*> last_;    // the last point read at each
    Reading reading_;
};

}  // namespace velm
