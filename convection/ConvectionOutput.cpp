#include "convection/ConvectionOutput.h"

#include "engine/Entry.h"
#include "engine/SweepText.h"

#include <algorithm>
#include <limits>

namespace velm::convection {
namespace {

using R = const Result&;
using S = const Shown&;
using Value = std::optional<double>;

constexpr NumericColumn kNumericColumns[] = {
    {"T_PROPIEDADES", [](R, S v) -> Value { return v.propertyTemperature; }},
    {"DEN", [](R, S v) -> Value { return v.property[index(Property::DEN)]; }},
    {"CP", [](R, S v) -> Value { return v.property[index(Property::CP)]; }},
    {"MIU", [](R, S v) -> Value { return v.property[index(Property::MIU)]; }},
    {"UN", [](R, S v) -> Value { return v.property[index(Property::UN)]; }},
    {"K", [](R, S v) -> Value { return v.property[index(Property::K)]; }},
    {"ALFA", [](R, S v) -> Value { return v.property[index(Property::ALFA)]; }},
    {"PR", [](R, S v) -> Value { return v.property[index(Property::PR)]; }},
    {"BETA", [](R, S v) -> Value { return v.property[index(Property::BETA)]; }},
    {"MIU_S", [](R, S v) -> Value { return v.surfaceViscosity; }},
    {"RE", [](R r, S) -> Value { return r.Re; }},
    {"GR", [](R r, S) -> Value { return r.Gr; }},
    {"RA", [](R r, S) -> Value { return r.Ra; }},
    {"NU", [](R r, S) -> Value { return r.Nu; }},
    {"H", [](R, S v) -> Value { return v.h; }},
    {"Q", [](R, S v) -> Value { return v.q; }},
};

}  // namespace

Shown shown(const Result& r, const Units& u) {
    Shown v{fromKelvin(r.propertyTemperature, u.scale), r.property, r.surfaceViscosity, r.h, r.q};
    if (!u.english) return v;
    for (const PropertyInfo& p : kProperties) v.property[index(p.id)] *= p.toEnglish;
    if (v.surfaceViscosity) *v.surfaceViscosity *= info(Property::MIU).toEnglish;
    v.h *= kHToEnglish;
    v.q *= kQToEnglish;
    return v;
}

std::span<const NumericColumn> numericColumns() { return kNumericColumns; }

std::string csvHeading() {
    std::string heading = "CASO,CORRELACION";
    for (const NumericColumn& c : kNumericColumns) heading.append(",").append(c.key);
    return heading + '\n';
}

std::string csvRow(const Setting& s, const Result& r) {
    const Shown v = shown(r, s.units);
    std::string row(info(s.kase).name);
    row += ',';
    row += correlationName(r.correlation);
    for (const NumericColumn& c : kNumericColumns) {
        row += ',';
        if (const Value x = c.value(r, v)) row += shortestText(*x);
    }
    return row + '\n';
}

PlotData plotData(const Setting& s, const Sweep& sweep) {
    PlotData d;
    double lo = std::numeric_limits<double>::infinity(), hi = -lo, left = lo, right = hi;
    PlotRun* run = nullptr;
    for (std::size_t i = 0; i < sweep.rows.size(); ++i) {
        const PlotPoint p{sweep.values[i], shown(sweep.rows[i], s.units).h};
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        lo = std::min(lo, p.y);
        hi = std::max(hi, p.y);
        const bool outside = sweep.outsideRange[i];
        // A run starts on the last point of the one before, so that the line is unbroken.
        if (!run || run->extrapolated != outside) {
            std::vector<PlotPoint> start;
            if (run) start.push_back(run->points.back());
            run = &d.runs.emplace_back(PlotRun{outside, std::move(start)});
        }
        run->points.push_back(p);
    }
    const NiceAxis x = left <= right ? niceAxis(left, right) : niceAxis(0, 1);
    const NiceAxis y = lo <= hi ? niceAxis(lo, hi) : niceAxis(0, 1);
    d.xMin = x.min;
    d.xMax = x.max;
    d.xTicks = x.ticks;
    d.yMin = y.min;
    d.yMax = y.max;
    d.yTicks = y.ticks;
    return d;
}

}  // namespace velm::convection
