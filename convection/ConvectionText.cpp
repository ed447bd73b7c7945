#include "convection/ConvectionText.h"

#include "engine/Entry.h"
#include "engine/SweepText.h"
#include "i18n/Text.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace velm::convection {
namespace {

constexpr const char* kContext = "velm::convection";

QString say(const char* source, std::initializer_list<QString> values = {}) {
    return translated(kContext, source, values);
}
// A unit or symbol as the interface shows it ("pie" is "ft" in English).
QString shownUnit(const char* unit) { return translated("velm::units", unit); }
// A number for reading, six significant digits.
QString num(double v) { return QString::number(v, 'g', 6); }

QString hUnit(const Units& u) {
    return u.english ? shownUnit(QT_TRANSLATE_NOOP("velm::units", "Btu/(h.pie^2.ºF)")) : QStringLiteral("W/(m^2.K)");
}
QString qUnit(const Units& u) {
    return u.english ? shownUnit(QT_TRANSLATE_NOOP("velm::units", "Btu/(h.pie^2)")) : QStringLiteral("W/m^2");
}
QString pressureUnit(const Units& u) { return u.english ? QStringLiteral("psi") : QStringLiteral("KPa"); }
QString symbol(Property p) { return shownUnit(std::string(info(p).symbol).c_str()); }

double metresShown(double metres, const Units& u) { return u.english ? metres / kMetresPerFoot : metres; }

// The inputs: case, fluid, temperatures, length and velocity.
void inputLines(QStringList& out, const Derivation& d) {
    const Setting& s = d.setting;
    const Units& u = s.units;
    const CaseInfo& c = info(s.kase);
    const QString scale = qs(u.scale);
    out << say(QT_TRANSLATE_NOOP("velm::convection", "CASO: %1 (%2)"), {caseTitle(s.kase), qs(c.name)});
    if (s.family == Family::Gases) {
        const double P = u.english ? d.pressure * kPsiPerAtmosphere / kReferencePressure : d.pressure;
        out << say(QT_TRANSLATE_NOOP("velm::convection", "FLUIDO: %1 (GASES) A UNA PRESION ABSOLUTA DE %2 %3"),
                   {qs(s.fluid), num(P), pressureUnit(u)});
    } else {
        out << say(QT_TRANSLATE_NOOP("velm::convection", "FLUIDO: %1 (LIQUIDOS)"), {qs(s.fluid)});
    }
    out << say(QT_TRANSLATE_NOOP("velm::convection", "TEMPERATURA DE LA SUPERFICIE TS = %1 %2"),
               {num(fromKelvin(d.inputs.surface, u.scale)), scale});
    out << say(s.kase == Case::Tube ? QT_TRANSLATE_NOOP("velm::convection", "TEMPERATURA MEDIA DEL FLUIDO TINF = %1 %2")
                                    : QT_TRANSLATE_NOOP("velm::convection", "TEMPERATURA DEL FLUIDO TINF = %1 %2"),
               {num(fromKelvin(d.inputs.fluid, u.scale)), scale});
    const QString L = num(metresShown(d.inputs.length, u));
    switch (c.length) {
        case LengthKind::Length:
            out << say(QT_TRANSLATE_NOOP("velm::convection", "LONGITUD L = %1 %2"), {L, lengthUnit(u)});
            break;
        case LengthKind::Diameter:
            out << say(QT_TRANSLATE_NOOP("velm::convection", "DIAMETRO D = %1 %2"), {L, lengthUnit(u)});
            break;
        case LengthKind::AreaOverPerimeter:
            out << say(QT_TRANSLATE_NOOP("velm::convection", "LONGITUD CARACTERISTICA L = A/P = %1 %2"),
                       {L, lengthUnit(u)});
            break;
    }
    if (c.forced)
        out << say(QT_TRANSLATE_NOOP("velm::convection", "VELOCIDAD V = %1 %2"),
                   {num(metresShown(d.inputs.velocity, u)), velocityUnit(u)});
    if (s.kase == Case::Tube)
        out << say(d.inputs.wall == WallCondition::Flux
                       ? QT_TRANSLATE_NOOP("velm::convection", "CONDICION EN LA PARED: FLUJO DE CALOR UNIFORME")
                       : QT_TRANSLATE_NOOP("velm::convection", "CONDICION EN LA PARED: TEMPERATURA UNIFORME"));
}

// The property temperature and every property with its unit.
void propertyLines(QStringList& out, const Derivation& d, const Shown& v) {
    const Setting& s = d.setting;
    const Units& u = s.units;
    const Result& r = *d.result;
    out << say(info(s.kase).atFilm
                   ? QT_TRANSLATE_NOOP("velm::convection",
                                       "PROPIEDADES A LA TEMPERATURA DE PELICULA TF = (TS + TINF) / 2 = %1 %2")
                   : QT_TRANSLATE_NOOP("velm::convection", "PROPIEDADES A LA TEMPERATURA DEL FLUIDO TINF = %1 %2"),
               {num(v.propertyTemperature), qs(u.scale)});
    for (const PropertyInfo& p : kProperties) {
        const QString heading = qs(p.shownHeading(u.english));
        const QString value = num(v.property[index(p.id)]);
        if (p.id == Property::BETA && s.family == Family::Gases)
            out << say(QT_TRANSLATE_NOOP("velm::convection", "   %1 = 1 / T = %2 (GAS IDEAL)"), {heading, value});
        else
            out << filled(QStringLiteral("   %1 = %2"), {heading, value});
    }
    if (r.surfaceViscosity)
        out << say(QT_TRANSLATE_NOOP("velm::convection", "   %1 A LA TEMPERATURA DE LA SUPERFICIE = %2"),
                   {qs(info(Property::MIU).shownHeading(u.english)), num(*v.surfaceViscosity)});
}

// The groups, the correlation, Nu, h and q.
void resultLines(QStringList& out, const Derivation& d, const Shown& v) {
    const Units& u = d.setting.units;
    const Result& r = *d.result;
    const QString L = info(d.setting.kase).length == LengthKind::Diameter ? QStringLiteral("D") : QStringLiteral("L");
    const QString nu = symbol(Property::UN);
    if (r.Re) out << filled(QStringLiteral("Re = V %1 / %2 = %3"), {L, nu, num(*r.Re)});
    if (r.Gr) {
        out << filled(QStringLiteral("Gr = g BETA |TS - TINF| %1^3 / %2^2 = %3   (g = 9.80665 m/s^2)"),
                      {L, nu, num(*r.Gr)});
        out << filled(QStringLiteral("Ra = Gr Pr = %1"), {num(*r.Ra)});
    }
    out << filled(QStringLiteral("Pr = %1"), {num(r.Pr)});
    out << say(QT_TRANSLATE_NOOP("velm::convection", "CORRELACION: %1"), {qs(correlationName(r.correlation))});
    out << QStringLiteral("   ") + say(std::string(correlationFormula(r.correlation)).c_str());
    if (!correlationRange(r.correlation).empty())
        out << say(QT_TRANSLATE_NOOP("velm::convection", "   RANGO: %1"), {qs(correlationRange(r.correlation))});
    out << filled(QStringLiteral("Nu = %1"), {num(r.Nu)});
    out << filled(QStringLiteral("h = Nu K / %1 = %2 %3"), {L, num(v.h), hUnit(u)});
    out << filled(QStringLiteral("q = h (TS - TINF) = %1 %2"), {num(v.q), qUnit(u)});
    for (const std::string& w : r.warnings) out << say(QT_TRANSLATE_NOOP("velm::convection", "AVISO: %1"), {qs(w)});
}

std::string full(double v) { return shortestText(v); }
std::string optionalField(const std::optional<double>& v) { return v ? shortestText(*v) : std::string(); }

}  // namespace

QString caseTitle(Case c) {
    switch (c) {
        case Case::FlatPlate: return say(QT_TRANSLATE_NOOP("velm::convection", "PLACA PLANA EN FLUJO PARALELO"));
        case Case::Cylinder: return say(QT_TRANSLATE_NOOP("velm::convection", "CILINDRO EN FLUJO CRUZADO"));
        case Case::Sphere: return say(QT_TRANSLATE_NOOP("velm::convection", "ESFERA EN FLUJO EXTERNO"));
        case Case::Tube: return say(QT_TRANSLATE_NOOP("velm::convection", "FLUJO INTERNO EN UN TUBO"));
        case Case::VerticalPlate:
            return say(QT_TRANSLATE_NOOP("velm::convection", "PLACA VERTICAL, CONVECCION LIBRE"));
        case Case::HorizontalCylinder:
            return say(QT_TRANSLATE_NOOP("velm::convection", "CILINDRO HORIZONTAL, CONVECCION LIBRE"));
        case Case::SphereFree: return say(QT_TRANSLATE_NOOP("velm::convection", "ESFERA, CONVECCION LIBRE"));
        case Case::HorizontalPlateUp:
            return say(QT_TRANSLATE_NOOP("velm::convection", "PLACA HORIZONTAL, CARA HACIA ARRIBA, CONVECCION LIBRE"));
        case Case::HorizontalPlateDown:
            return say(QT_TRANSLATE_NOOP("velm::convection", "PLACA HORIZONTAL, CARA HACIA ABAJO, CONVECCION LIBRE"));
    }
    return {};
}

QString lengthUnit(const Units& u) {
    return u.english ? shownUnit(QT_TRANSLATE_NOOP("velm::units", "pie")) : QStringLiteral("m");
}
QString areaUnit(const Units& u) {
    return u.english ? shownUnit(QT_TRANSLATE_NOOP("velm::units", "pie^2")) : QStringLiteral("m^2");
}
QString velocityUnit(const Units& u) {
    return u.english ? shownUnit(QT_TRANSLATE_NOOP("velm::units", "pie/s")) : QStringLiteral("m/s");
}

Shown shown(const Result& r, const Units& u) {
    Shown v{fromKelvin(r.propertyTemperature, u.scale), r.property, r.surfaceViscosity, r.h, r.q};
    if (!u.english) return v;
    for (const PropertyInfo& p : kProperties) v.property[index(p.id)] *= p.toEnglish;
    if (v.surfaceViscosity) *v.surfaceViscosity *= info(Property::MIU).toEnglish;
    v.h *= kHToEnglish;
    v.q *= kQToEnglish;
    return v;
}

std::string derivationText(const Derivation& d) {
    const Shown v = shown(*d.result, d.setting.units);
    QStringList lines;
    inputLines(lines, d);
    propertyLines(lines, d, v);
    resultLines(lines, d, v);
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toStdString();
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

std::string variableHeading(Variable v, const Units& u) {
    switch (v) {
        case Variable::Velocity: return "V (" + velocityUnit(u).toStdString() + ")";
        case Variable::Length: return "L (" + lengthUnit(u).toStdString() + ")";
        case Variable::Diameter: return "D (" + lengthUnit(u).toStdString() + ")";
        case Variable::SurfaceTemp: return "TS (" + u.scale + ")";
    }
    return {};
}

PlotData plotData(const Setting& s, const Sweep& sweep) {
    PlotData d;
    d.title = (caseTitle(s.kase) + QStringLiteral(" - ") + qs(s.fluid)).toStdString();
    d.xTitle = variableHeading(sweep.variable, s.units);
    d.yTitle = "h (" + hUnit(s.units).toStdString() + ")";
    d.lineName = "h";
    d.extrapolatedName = say(QT_TRANSLATE_NOOP("velm::convection", "FUERA DEL RANGO DE LA CORRELACION")).toStdString();
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
