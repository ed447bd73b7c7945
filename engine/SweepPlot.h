#pragma once
// What a plot of one property of a sweep shows, in numbers: the lines (solid where the values
// come from the correlation or from within the stored table, dashed where they are
// extrapolated), the stored table's points, the correlation's valid range and the axes. The
// drawing itself (plot/) only turns this into a chart.

#include "engine/Sweep.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velm {

struct PlotPoint {
    double x = 0, y = 0;
};

// Consecutive rows of one kind. A run starts on the last point of the run before it, so
// that the line is unbroken where its kind changes.
struct PlotRun {
    bool extrapolated = false;
    std::vector<PlotPoint> points;
};

struct PlotData {
    // Words: the text layer's, in the interface's language (empty as plotData leaves them).
    std::string title, xTitle, yTitle;
    std::string lineName, extrapolatedName, markerName, rangeName;
    bool logAxis = false;
    std::vector<PlotRun> runs;
    std::vector<PlotPoint> markers;                       // the stored table's points in view
    std::optional<std::pair<double, double>> validRange;  // the correlation's, in the scale
    double xMin = 0, xMax = 1, yMin = 0, yMax = 1;        // the axes' ranges, on round
    int xTicks = 2, yTicks = 2;                           // numbers (log: powers of ten)
    std::size_t leftOut = 0;  // rows not drawn: not computed, or not above 0 on a log axis
};

// An axis from lo to hi widened to round numbers, with at most maxTicks ticks a round step
// apart (1, 2, 2.5 or 5 times a power of ten).
struct NiceAxis {
    double min = 0, max = 1;
    int ticks = 2;
};
NiceAxis niceAxis(double lo, double hi, int maxTicks = 8);

// A kelvin temperature in a scale, the inverse of the entry's conversion.
double fromKelvin(double kelvin, std::string_view scale);

// The numbers of the plot; its words are the text layer's (shownPlotData).
PlotData plotData(const SweepTable& t, Property property, bool logAxis);

}  // namespace velm
