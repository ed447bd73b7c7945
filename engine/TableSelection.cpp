#include "engine/TableSelection.h"

#include "correlation/Correlation.h"

namespace velm {

void Reading::take(const TablePoint& p) {
    if (!firstRow) firstRow = p;
    else if (differs(p, *firstRow)) twoDistinctRows = true;

    if (p.TEMP == T) exact = p;
    else if (p.TEMP < T && (!lower || p.TEMP >= lower->TEMP)) lower = p;
    else if (p.TEMP > T && (!upper || p.TEMP < upper->TEMP)) upper = p;

    if (!lowest || p.TEMP < lowest->TEMP) {
        if (lowest) secondLowest = lowest;
        lowest = p;
    } else if (p.TEMP > lowest->TEMP && (!secondLowest || p.TEMP < secondLowest->TEMP)) {
        secondLowest = p;
    }
    if (!highest || p.TEMP > highest->TEMP) {
        if (highest) secondHighest = highest;
        highest = p;
    } else if (p.TEMP < highest->TEMP && (!secondHighest || p.TEMP > secondHighest->TEMP)) {
        secondHighest = p;
    }
}

Selection Reading::selection() const {
    const auto at = [](const std::optional<TablePoint>& p) { return p ? &*p : nullptr; };
    return {at(exact),  at(lower),   at(upper),         at(lowest),
            at(secondLowest), at(highest), at(secondHighest), twoDistinctRows};
}

TableLine chooseLine(const Selection& s) {
    if (!s.twoDistinctRows) return {};
    if (s.exact) return {TableStep::Exact, nullptr, nullptr, nullptr};
    if (s.lower && s.upper) return {TableStep::Between, s.lower, s.upper, nullptr};
    // Beyond an end of the table: along its two end temperatures.
    const bool above = s.lower != nullptr;
    const TablePoint* end = above ? s.highest : s.lowest;
    const TablePoint* next = above ? s.secondHighest : s.secondLowest;
    if (!next) return {};  // one temperature only: no line to extrapolate along
    return above ? TableLine{TableStep::Above, next, end, end}
                 : TableLine{TableStep::Below, end, next, end};
}

TablePoint alongLine(const TablePoint& first, const TablePoint& second, double T) {
    TablePoint x;
    x.TEMP = T;
    for (std::size_t i = 0; i < x.value.size(); ++i) {
        const double x1 = first.value[i], x2 = second.value[i];
        x.value[i] = x1 + ((x2 - x1) / (second.TEMP - first.TEMP)) * (T - first.TEMP);
    }
    return x;
}

std::array<double, kPropertyCount> atPressure(const TablePoint& v, bool gas, double P) {
    std::array<double, kPropertyCount> r = v.value;
    if (gas) {
        r[index(Property::DEN)] = (v[Property::DEN] * P) / kReferencePressure;
        r[index(Property::UN)] = (v[Property::UN] * kReferencePressure) / P;
        r[index(Property::ALFA)] = (v[Property::ALFA] * kReferencePressure) / P;
    }
    return r;
}

}  // namespace velm
