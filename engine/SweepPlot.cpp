#include "engine/SweepPlot.h"

#include "engine/Catalogue.h"
#include "engine/ResultsLine.h"
#include "engine/TableSelection.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velm {
namespace {

// The value axis: round numbers around the values (whole powers of ten on a log axis).
void setValueRange(PlotData& d, double lo, double hi) {
    if (!(lo <= hi)) lo = hi = d.logAxis ? 1 : 0;
    if (d.logAxis) {
        d.yMin = std::pow(10.0, std::floor(std::log10(lo)));
        d.yMax = std::pow(10.0, std::ceil(std::log10(hi)));
        if (d.yMin == d.yMax) d.yMax *= 10;
        d.yTicks = int(std::lround(std::log10(d.yMax / d.yMin))) + 1;
        return;
    }
    const NiceAxis a = niceAxis(lo, hi);
    d.yMin = a.min;
    d.yMax = a.max;
    d.yTicks = a.ticks;
}

// The lowest and highest of the values taken in; empty (lo > hi) at first.
struct Extent {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    void take(double v) {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
};

// A value that can be drawn: a number, and above 0 on a log axis.
bool drawable(double y, bool logAxis) { return std::isfinite(y) && (!logAxis || y > 0); }

// The rows as runs of one kind, broken where a value cannot be drawn. `x` takes in every
// row's temperature, `y` the values drawn.
void addRuns(PlotData& d, const SweepTable& t, Property property, Extent& x, Extent& y) {
    PlotRun* run = nullptr;
    for (std::size_t row = 0; row < t.rows(); ++row) {
        const double temperature = t.entered[row];
        x.take(temperature);
        const double value = t.computed(row) ? t.value(row, property) : std::nan("");
        if (!drawable(value, d.logAxis)) {
            ++d.leftOut;
            run = nullptr;
            continue;
        }
        y.take(value);
        const bool extrapolated = t.source[row] == RowSource::Extrapolated || t.outsideCorrelation[row];
        if (run && run->extrapolated != extrapolated) {
            const PlotPoint joint = run->points.back();
            run = &d.runs.emplace_back(PlotRun{extrapolated, {joint}});
        } else if (!run) {
            run = &d.runs.emplace_back(PlotRun{extrapolated, {}});
        }
        run->points.push_back({temperature, value});
    }
}

// The stored points that fall within the temperatures shown, in the units shown; `y` takes
// in their values.
void addMarkers(PlotData& d, const SweepTable& t, Property property, const Extent& x, Extent& y) {
    const SweepRequest& r = t.request;
    const bool gas = r.family == Family::Gases;
    const double factor = r.english ? info(property).toEnglish : 1;
    for (const TablePoint& point : t.tablePoints) {
        const double temperature = fromKelvin(point.TEMP, r.scale);
        const double value = atPressure(point, gas, gas ? r.pressure : 0)[index(property)] * factor;
        if (temperature < x.lo || temperature > x.hi || !drawable(value, d.logAxis)) continue;
        d.markers.push_back({temperature, value});
        y.take(value);
    }
}

// The correlation's range, where it overlaps the temperature axis.
void setValidRange(PlotData& d, const BuiltInFluid& fluid, std::string_view scale) {
    const double lo = std::max(fromKelvin(fluid.lowest, scale), d.xMin);
    const double hi = std::min(fromKelvin(fluid.highest, scale), d.xMax);
    if (lo <= hi) d.validRange = {lo, hi};
}

}  // namespace

NiceAxis niceAxis(double lo, double hi, int maxTicks) {
    if (lo == hi) {
        const double pad = lo == 0 ? 1 : std::fabs(lo) * 0.05;
        lo -= pad;
        hi += pad;
    }
    const double rough = (hi - lo) / (maxTicks - 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    const double r = rough / magnitude;
    const double step = magnitude * (r <= 1 ? 1 : r <= 2 ? 2 : r <= 2.5 ? 2.5 : r <= 5 ? 5 : 10);
    NiceAxis a;
    a.min = std::floor(lo / step) * step;
    a.max = std::ceil(hi / step) * step;
    a.ticks = int(std::lround((a.max - a.min) / step)) + 1;
    return a;
}

double fromKelvin(double kelvin, std::string_view scale) {
    if (scale == "ºC") return kelvin - 273;
    if (scale == "ºF") return (kelvin - 273) * 9 / 5 + 32;
    return kelvin;
}

PlotData plotData(const SweepTable& t, Property property, bool logAxis) {
    const SweepRequest& r = t.request;
    const BuiltInFluid* builtIn = lookupBuiltIn(r.family, r.fluid);
    PlotData d;
    d.logAxis = logAxis;

    Extent x, y;
    addRuns(d, t, property, x, y);
    if (!(x.lo <= x.hi)) x.lo = x.hi = 0;
    const NiceAxis xAxis = niceAxis(x.lo, x.hi);
    d.xMin = xAxis.min;
    d.xMax = xAxis.max;
    d.xTicks = xAxis.ticks;
    addMarkers(d, t, property, x, y);
    setValueRange(d, y.lo, y.hi);
    if (builtIn) setValidRange(d, *builtIn, r.scale);
    return d;
}

}  // namespace velm
