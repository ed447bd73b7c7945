#pragma once
// Drawing a plot of a sweep with Qt Charts, for the table-and-plot screen and for
// `velmorantes-calc --plot`: one chart from the numbers of engine/SweepPlot.h, and that chart
// saved as a PNG or SVG picture without a display.

#include "engine/SweepPlot.h"

#include <QSize>
#include <QString>

#include <optional>

class QChart;

namespace velm {

enum class ImageFormat { Png, Svg };

// By the file's ending, letter case ignored: ".png" or ".svg"; nullopt for any other.
std::optional<ImageFormat> imageFormatFor(const QString& path);
// The ending a picture of this format gets.
QString imageSuffix(ImageFormat format);

// A new chart (the caller owns it): the lines, dashed where extrapolated, the stored table's
// points, the correlation's range shaded, axes titled with their units.
QChart* makeChart(const PlotData& data);

// Draws the chart at `size` pixels into `path`, written aside and renamed into place only
// when complete. Throws UserError, with any old file left as it was. Needs a QApplication
// (offscreen will do).
void saveChart(const PlotData& data, const QString& path, ImageFormat format, QSize size);

}  // namespace velm
