#include "convection/ConvectionOutput.h"

#include "engine/Entry.h"
#include "engine/SweepText.h"

#include <algorithm>
#include <limits>

namespace velm::convection {
namespace {

std::string full(double v) { return shortestText(v); }
std::string optionalField(const std::optional<double>& v) { return v ? shortestText(*v) : std::string(); }

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

std::string csvHeading() { return "CASO,CORRELACION,T_PROPIEDADES,DEN,CP,MIU,UN,K,ALFA,PR,BETA,MIU_S,RE,GR,RA,NU,H,Q\n"; }

std::string csvRow(const Setting& s, const Result& r) {
    const Shown v = shown(r, s.units);
    std::string row(info(s.kase).name);
    row += ',';
    row += correlationName(r.correlation);
    row += ',' + full(v.propertyTemperature);
    for (const PropertyInfo& p : kProperties) row += ',' + full(v.property[index(p.id)]);
    for (const std::optional<double>& x : {v.surfaceViscosity, r.Re, r.Gr, r.Ra}) row += ',' + optionalField(x);
    for (const double x : {r.Nu, v.h, v.q}) row += ',' + full(x);
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
