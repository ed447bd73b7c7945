#include "engine/CalcularTabla.h"

#include "correlation/Correlation.h"
#include "engine/Entry.h"
#include "engine/Messages.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace velm {
namespace {

// What one pass over the points keeps, whatever order they come in: never more than a
// handful of points. The table reads as if sorted by temperature: "lower" is the last point
// below T, "upper" the first above it, and the ends are the first two and the last two
// temperatures of the table. Points that share a temperature are in no defined order.
struct Reading {
    double T = 0;  // the temperature asked for
    std::optional<TablePoint> firstRow;
    bool twoDistinctRows = false;
    std::optional<TablePoint> exact;   // a point at exactly T
    std::optional<TablePoint> lower;   // the highest point below T
    std::optional<TablePoint> upper;   // the lowest point above T
    std::optional<TablePoint> lowest, secondLowest;    // the two lowest temperatures
    std::optional<TablePoint> highest, secondHighest;  // the two highest temperatures

    void take(const TablePoint& p) {
        if (!firstRow) firstRow = p;
        else if (p.TEMP != firstRow->TEMP || p.value != firstRow->value) twoDistinctRows = true;

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
};

void store(Module1& m, const std::array<double, 8>& v, bool gas) {
    const double P = gas ? *m.PRESION : 0;
    m.DEN = gas ? (v[T_DEN] * P) / kReferencePressure : v[T_DEN];
    m.CP = v[T_CP];
    m.MIU = v[T_MIU];
    m.UN = gas ? (v[T_UN] * kReferencePressure) / P : v[T_UN];
    m.K = v[T_K];
    m.ALFA = gas ? (v[T_ALFA] * kReferencePressure) / P : v[T_ALFA];
    m.PR = v[T_PR];
    if (!gas) m.BETA = v[T_BETA];
}

}  // namespace

std::string storedTemperatureText(double stored, bool decimalComma) {
    char buf[64];
    // The store refuses a temperature beyond the float range (converting one is undefined);
    // any other source's is written as the double it is.
    const bool single = std::fabs(stored) <= double(std::numeric_limits<float>::max());
    const auto r = single ? std::to_chars(buf, buf + sizeof buf, static_cast<float>(stored),
                                          std::chars_format::fixed)
                          : std::to_chars(buf, buf + sizeof buf, stored);
    std::string text(buf, r.ptr);
    if (decimalComma)
        for (char& ch : text)
            if (ch == '.') ch = ',';
    return text;
}

TablaOutcome CalcularTabla(Module1& m, std::string_view ENRANGO, PointSource& source,
                           Notifier& notifier) {
    const bool gas = isGasFamily(m);
    const std::string fluid = m.FLUIDO.value_or("");
    Reading r;
    r.T = *m.TEMP;
    source.readPoints(m.FAMILIA.value_or(""), fluid, [&r](const TablePoint& p) { r.take(p); });

    const auto tooFewPoints = [&notifier] {
        notifier.inform(std::string(msg::kTooFewPoints));
        return TablaOutcome::TooFewPoints;
    };
    if (r.exact) store(m, r.exact->value, gas);
    if (!r.twoDistinctRows) return tooFewPoints();
    if (r.exact) return TablaOutcome::Computed;

    const bool warn = ENRANGO != kNo;
    const TablePoint* p1 = nullptr;
    const TablePoint* p2 = nullptr;
    if (r.lower && r.upper) {
        p1 = &*r.lower;
        p2 = &*r.upper;
    } else {
        // Beyond an end of the table: along its two end temperatures.
        const bool above = r.lower.has_value();
        const TablePoint* end = above ? &*r.highest : &*r.lowest;
        const std::optional<TablePoint>& next = above ? r.secondHighest : r.secondLowest;
        if (!next) return tooFewPoints();  // one temperature only: no line to extrapolate along
        if (warn) {
            const std::string t = storedTemperatureText(end->TEMP, regionalDecimalComma());
            notifier.inform(above ? msg::aboveTable(fluid, t) : msg::belowTable(fluid, t));
        }
        p1 = above ? &*next : end;
        p2 = above ? end : &*next;
    }

    std::array<double, 8> x{};
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double x1 = p1->value[i], x2 = p2->value[i];
        x[i] = x1 + ((x2 - x1) / (p2->TEMP - p1->TEMP)) * (r.T - p1->TEMP);
    }
    store(m, x, gas);
    return TablaOutcome::Computed;
}

}  // namespace velm
