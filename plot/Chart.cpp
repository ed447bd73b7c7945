#include "plot/Chart.h"

#include "engine/Messages.h"
#include "engine/UserError.h"

#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QDir>
#include <QGraphicsScene>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QSaveFile>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>

#include <stdexcept>
#include <utility>

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
    auto* chart = new QChart;
    chart->setTitle(text(d.title));
    chart->legend()->setAlignment(Qt::AlignBottom);

    auto* x = new QValueAxis;
    x->setTitleText(text(d.xTitle));
    x->setLabelFormat(QStringLiteral("%g"));
    x->setRange(d.xMin, d.xMax);
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
        y = linear;
    }
    y->setTitleText(text(d.yTitle));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    const auto add = [chart, x, y](QAbstractSeries* s) {
        chart->addSeries(s);
        s->attachAxis(x);
        s->attachAxis(y);
    };

    // The range first, so that it lies behind the lines.
    if (d.validRange) {
        auto* upper = new QLineSeries;
        auto* lower = new QLineSeries;
        upper->append({QPointF(d.validRange->first, d.yMax), QPointF(d.validRange->second, d.yMax)});
        lower->append({QPointF(d.validRange->first, d.yMin), QPointF(d.validRange->second, d.yMin)});
        auto* range = new QAreaSeries(upper, lower);
        range->setName(text(d.rangeName));
        range->setPen(Qt::NoPen);
        range->setBrush(kRange);
        add(range);
    }

    // One legend entry per kind of line, however many runs it takes.
    bool named[2] = {false, false};
    for (const PlotRun& run : d.runs) {
        auto* s = new QLineSeries;
        s->replace(points(run.points));
        QPen pen(run.extrapolated ? kExtrapolated : kLine);
        pen.setWidthF(2);
        if (run.extrapolated) pen.setStyle(Qt::DashLine);
        s->setPen(pen);
        s->setName(text(run.extrapolated ? d.extrapolatedName : d.lineName));
        add(s);
        if (std::exchange(named[run.extrapolated], true))
            for (QLegendMarker* m : chart->legend()->markers(s)) m->setVisible(false);
    }

    if (!d.markers.empty()) {
        auto* s = new QScatterSeries;
        s->setName(text(d.markerName));
        s->setMarkerSize(7);
        s->setColor(kMarker);
        s->setBorderColor(kMarker);
        s->replace(points(d.markers));
        add(s);
    }
    return chart;
}

void saveChart(const PlotData& d, const QString& path, ImageFormat format, QSize size) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        throw std::logic_error("a chart is drawn only with a QApplication");
    QGraphicsScene scene;
    QChart* chart = makeChart(d);
    scene.addItem(chart);  // the scene owns it now
    const QRectF area(QPointF(0, 0), QSizeF(size));
    chart->setGeometry(area);
    scene.setSceneRect(area);
    // The chart lays itself out on posted events: let them run before it is drawn.
    QCoreApplication::sendPostedEvents();

    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written && format == ImageFormat::Png) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, area, area);
        painter.end();
        written = image.save(&file, "PNG");
    } else if (written) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(area);
        svg.setTitle(text(d.title));
        QPainter painter;
        written = painter.begin(&svg);
        if (written) {
            painter.setRenderHint(QPainter::Antialiasing);
            scene.render(&painter, area, area);
            written = painter.end();
        }
    }
    if (!written || !file.commit())
        throw UserError(msg::cannotSavePlot(QDir::toNativeSeparators(path).toStdString()));
}

}  // namespace velm
