#include "engine/TableSelection.h"

#include "correlation/Correlation.h"

#include <algorithm>
#include <cmath>
#include <numeric>

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

TableIndex::TableIndex(const std::vector<TablePoint>& points) : points_(points) {
    bool unordered = false;  // a temperature that is not a number compares with nothing
    for (const TablePoint& p : points) {
        if (std::isnan(p.TEMP)) unordered = true;
        if (!twoDistinctRows_ && differs(p, points.front())) twoDistinctRows_ = true;
    }
    if (unordered) {
        slow_ = true;
        return;
    }
    std::vector<std::size_t> order(points.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // Stable: the points of one temperature keep the order they were read in.
    std::stable_sort(order.begin(), order.end(), [&points](std::size_t a, std::size_t b) {
        return points[a].TEMP < points[b].TEMP;
    });
    for (const std::size_t i : order) {
        const TablePoint* p = &points[i];
        if (temps_.empty() || p->TEMP != temps_.back()) {
            temps_.push_back(p->TEMP);
            first_.push_back(p);
            last_.push_back(p);
        } else {
            last_.back() = p;
        }
    }
}

Selection TableIndex::select(double T) {
    if (slow_ || std::isnan(T)) {
        reading_ = Reading{};
        reading_.T = T;
        for (const TablePoint& p : points_) reading_.take(p);
        return reading_.selection();
    }
    Selection s;
    s.twoDistinctRows = twoDistinctRows_;
    const std::size_t n = temps_.size();
    if (n == 0) return s;
    const std::size_t k = std::size_t(std::lower_bound(temps_.begin(), temps_.end(), T) - temps_.begin());
    const bool exact = k < n && temps_[k] == T;
    if (exact) s.exact = last_[k];
    if (k > 0) s.lower = last_[k - 1];
    if (const std::size_t above = exact ? k + 1 : k; above < n) s.upper = first_[above];
    s.lowest = first_.front();
    s.highest = first_.back();
    if (n > 1) {
        s.secondLowest = first_[1];
        s.secondHighest = first_[n - 2];
    }
    return s;
}

}  // namespace velm
