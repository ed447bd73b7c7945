#include "engine/SweepPlot.h"

#include "engine/Catalogue.h"
#include "engine/ResultsLine.h"
#include "engine/TableSelection.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velm {
namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

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
    const PropertyInfo& p = info(property);
    const bool gas = r.family == Family::Gases;
    const BuiltInFluid* builtIn = lookupBuiltIn(r.family, r.fluid);

    PlotData d;
    d.logAxis = logAxis;
    d.title = r.fluid;
    if (gas) d.title += " A " + std::string(trimmed(r.pressureText)) + (r.english ? " psi" : " KPa");
    d.xTitle = temperatureHeading(r.english, r.scale);
    d.yTitle = p.heading(r.english);
    d.lineName = builtIn ? "CORRELACION" : "INTERPOLADO";
    d.extrapolatedName = "EXTRAPOLADO";
    d.markerName = "PUNTOS DE TABLA";
    d.rangeName = "RANGO DE LA ECUACION";

    const auto drawable = [logAxis](double y) { return std::isfinite(y) && (!logAxis || y > 0); };
    double xLo = std::numeric_limits<double>::infinity(), xHi = -xLo;
    double yLo = xLo, yHi = -xLo;
    PlotRun* run = nullptr;
    for (std::size_t row = 0; row < t.rows(); ++row) {
        const double x = t.entered[row];
        xLo = std::min(xLo, x);
        xHi = std::max(xHi, x);
        const double y = t.computed(row) ? t.value(row, property) : std::nan("");
        if (!drawable(y)) {
            ++d.leftOut;
            run = nullptr;
            continue;
        }
        yLo = std::min(yLo, y);
        yHi = std::max(yHi, y);
        const bool extrapolated = t.source[row] == RowSource::Extrapolated || t.outsideCorrelation[row];
        if (run && run->extrapolated != extrapolated) {
            const PlotPoint joint = run->points.back();
            run = &d.runs.emplace_back(PlotRun{extrapolated, {joint}});
        } else if (!run) {
            run = &d.runs.emplace_back(PlotRun{extrapolated, {}});
        }
        run->points.push_back({x, y});
    }
    if (!(xLo <= xHi)) xLo = xHi = 0;
    const NiceAxis xAxis = niceAxis(xLo, xHi);
    d.xMin = xAxis.min;
    d.xMax = xAxis.max;
    d.xTicks = xAxis.ticks;

    // The stored points that fall within the temperatures shown, in the units shown.
    const double factor = r.english ? p.toEnglish : 1;
    for (const TablePoint& point : t.tablePoints) {
        const double x = fromKelvin(point.TEMP, r.scale);
        const double y = atPressure(point, gas, gas ? r.pressure : 0)[index(property)] * factor;
        if (x < xLo || x > xHi || !drawable(y)) continue;
        d.markers.push_back({x, y});
        yLo = std::min(yLo, y);
        yHi = std::max(yHi, y);
    }
    setValueRange(d, yLo, yHi);

    if (builtIn) {
        const double lo = std::max(fromKelvin(builtIn->lowest, r.scale), d.xMin);
        const double hi = std::min(fromKelvin(builtIn->highest, r.scale), d.xMax);
        if (lo <= hi) d.validRange = {lo, hi};
    }
    return d;
}

}  // namespace velm
