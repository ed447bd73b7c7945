#include "plot/Chart.h"

#include "store/StoreMessages.h"
#include "engine/UserError.h"
#include "store/ResultsFile.h"

#include <QApplication>
#include <QAreaSeries>
#include <QBuffer>
#include <QChart>
#include <QDir>
#include <QFont>
#include <QGraphicsScene>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMargins>
#include <QPainter>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

namespace velm {
namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

const QColor kLine(0, 90, 160);
const QColor kExtrapolated(190, 40, 40);
const QColor kMarker(30, 30, 30);
const QColor kRange(0, 128, 128, 45);  // the screens' teal, light

QList<QPointF> points(const std::vector<PlotPoint>& v) {
    QList<QPointF> list;
    list.reserve(qsizetype(v.size()));
    for (const PlotPoint& p : v) list.append(QPointF(p.x, p.y));
    return list;
}

// An empty chart with its title and a legend below, in a smaller type.
QChart* newChart(const std::string& title) {
    auto* chart = new QChart;
    chart->setTitle(text(title));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    QFont small = chart->legend()->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    chart->legend()->setFont(small);
    chart->legend()->setShowToolTips(true);  // a name cut short in a narrow chart
    return chart;
}

QValueAxis* temperatureAxis(const PlotData& d) {
    auto* x = new QValueAxis;
    x->setTitleText(text(d.xTitle));
    x->setLabelFormat(QStringLiteral("%g"));
    x->setRange(d.xMin, d.xMax);
    x->setTickCount(d.xTicks);
    return x;
}

// Logarithmic or linear, as chosen.
QAbstractAxis* valueAxis(const PlotData& d) {
    QAbstractAxis* y = nullptr;
    if (d.logAxis) {
        auto* log = new QLogValueAxis;
        log->setBase(10);
        log->setLabelFormat(QStringLiteral("%g"));
        log->setRange(d.yMin, d.yMax);
        y = log;
    } else {
        auto* linear = new QValueAxis;
        linear->setLabelFormat(QStringLiteral("%g"));
        linear->setRange(d.yMin, d.yMax);
        linear->setTickCount(d.yTicks);
        y = linear;
    }
    y->setTitleText(text(d.yTitle));
    return y;
}

// Adds a series to the chart, drawn against its two axes.
void addSeries(QChart* chart, QAbstractSeries* s) {
    chart->addSeries(s);
    s->attachAxis(chart->axes(Qt::Horizontal).front());
    s->attachAxis(chart->axes(Qt::Vertical).front());
}

// The correlation's range: a light band over the whole height of the plot.
QAreaSeries* rangeSeries(const PlotData& d) {
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    upper->append({QPointF(d.validRange->first, d.yMax), QPointF(d.validRange->second, d.yMax)});
    lower->append({QPointF(d.validRange->first, d.yMin), QPointF(d.validRange->second, d.yMin)});
    auto* range = new QAreaSeries(upper, lower);
    // An area series does not own its edges: they go with it.
    upper->setParent(range);
    lower->setParent(range);
    range->setName(text(d.rangeName));
    range->setPen(Qt::NoPen);
    range->setBrush(kRange);
    return range;
}

// The runs in the legend's order: the plain ones first, then the extrapolated ones.
std::vector<const PlotRun*> runsByKind(const PlotData& d) {
    std::vector<const PlotRun*> runs;
    for (const bool extrapolated : {false, true})
        for (const PlotRun& run : d.runs)
            if (run.extrapolated == extrapolated) runs.push_back(&run);
    return runs;
}

// A line per run, dashed where extrapolated. One legend entry per kind of line, however
// many runs it takes.
void addRuns(QChart* chart, const PlotData& d) {
    bool named[2] = {false, false};
    for (const PlotRun* r : runsByKind(d)) {
        const PlotRun& run = *r;
        auto* s = new QLineSeries;
        s->replace(points(run.points));
        QPen pen(run.extrapolated ? kExtrapolated : kLine);
        pen.setWidthF(2);
        if (run.extrapolated) pen.setStyle(Qt::DashLine);
        s->setPen(pen);
        s->setName(text(run.extrapolated ? d.extrapolatedName : d.lineName));
        addSeries(chart, s);
        if (std::exchange(named[run.extrapolated], true))
            for (QLegendMarker* m : chart->legend()->markers(s)) m->setVisible(false);
    }
}

// The stored table's points.
QScatterSeries* markerSeries(const PlotData& d) {
    auto* s = new QScatterSeries;
    s->setName(text(d.markerName));
    s->setMarkerSize(7);
    s->setColor(kMarker);
    s->setBorderColor(kMarker);
    s->replace(points(d.markers));
    return s;
}

}  // namespace

std::optional<ImageFormat> imageFormatFor(const QString& path) {
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) return ImageFormat::Png;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) return ImageFormat::Svg;
    return std::nullopt;
}

QString imageSuffix(ImageFormat format) {
    return format == ImageFormat::Png ? QStringLiteral(".png") : QStringLiteral(".svg");
}

QChart* makeChart(const PlotData& d) {
    QChart* chart = newChart(d.title);
    chart->addAxis(temperatureAxis(d), Qt::AlignBottom);
    chart->addAxis(valueAxis(d), Qt::AlignLeft);
    // The range first, so that it lies behind the lines.
    if (d.validRange) addSeries(chart, rangeSeries(d));
    addRuns(chart, d);
    if (!d.markers.empty()) addSeries(chart, markerSeries(d));
    return chart;
}

void saveChart(const PlotData& d, const QString& path, ImageFormat format, QSize size) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        throw std::logic_error("a chart is drawn only with a QApplication");
    QGraphicsScene scene;
    QChart* chart = makeChart(d);
    scene.addItem(chart);  // the scene owns it now
    const QRectF area(QPointF(0, 0), QSizeF(size));
    chart->setGeometry(area);  // lays the chart out at once
    scene.setSceneRect(area);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    if (format == ImageFormat::Png) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, area, area);
        painter.end();
        drawn = image.save(&buffer, "PNG");
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(area);
        svg.setTitle(text(d.title));
        QPainter painter;
        if (painter.begin(&svg)) {
            painter.setRenderHint(QPainter::Antialiasing);
            scene.render(&painter, area, area);
            drawn = painter.end();
        }
        // The generator gives the size in millimetres at 72 dots per inch, which readers
        // take at 90 or 96: state it in pixels, as chosen.
        static const QRegularExpression mm(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\""));
        const QString header = QStringLiteral("<svg width=\"%1\" height=\"%2\"").arg(size.width()).arg(size.height());
        const qsizetype head = std::min<qsizetype>(bytes.size(), 512);
        bytes.replace(0, head, QString::fromUtf8(bytes.left(head)).replace(mm, header).toUtf8());
    }
    if (!drawn || !writeWholeFile(path, std::string(bytes.constData(), std::size_t(bytes.size()))))
        throw UserError(msg::cannotSavePlot(QDir::toNativeSeparators(path).toStdString()));
}

}  // namespace velm
