#include "i18n/Derivation.h"

#include "engine/Entry.h"
#include "i18n/MessageText.h"
#include "i18n/Shown.h"
#include "i18n/Text.h"

#include <vector>

namespace velm::convection {
namespace {

constexpr const char* kContext = "velm::convection";

// The one formula with a word in it ("o"), translated where it is shown.
[[maybe_unused]] constexpr const char* kFormulas[] = {
    QT_TRANSLATE_NOOP("velm::convection", "Nu = 0.023 Re^(4/5) Pr^n, n = 0.4 (Ts > T) o 0.3"),
};

std::string say(const char* source, std::initializer_list<std::string_view> values = {}) {
    return localized(kContext, source, values);
}
// A unit or symbol as the interface shows it ("pie" is "ft" in English).
std::string shownUnit(const char* unit) { return localized("velm::units", unit); }
// A number for reading, six significant digits.
std::string num(double v) { return generalText(v, 6); }

std::string hUnit(const Units& u) {
    return u.english ? shownUnit(QT_TRANSLATE_NOOP("velm::units", "Btu/(h.pie^2.ºF)")) : "W/(m^2.K)";
}
std::string qUnit(const Units& u) {
    return u.english ? shownUnit(QT_TRANSLATE_NOOP("velm::units", "Btu/(h.pie^2)")) : "W/m^2";
}
std::string pressureUnit(const Units& u) { return u.english ? "psi" : "KPa"; }
std::string symbol(Property p) { return shownSymbol(info(p).symbol); }

double metresShown(double metres, const Units& u) { return u.english ? metres / kMetresPerFoot : metres; }

using Lines = std::vector<std::string>;

// The inputs: case, fluid, temperatures, length and velocity.
void inputLines(Lines& out, const Derivation& d) {
    const Setting& s = d.setting;
    const Units& u = s.units;
    const CaseInfo& c = info(s.kase);
    out.push_back(say(QT_TRANSLATE_NOOP("velm::convection", "CASO: %1 (%2)"), {caseTitle(s.kase), c.name}));
    if (s.family == Family::Gases) {
        const double P = u.english ? d.pressure * kPsiPerAtmosphere / kReferencePressure : d.pressure;
        out.push_back(say(QT_TRANSLATE_NOOP("velm::convection", "FLUIDO: %1 (GASES) A UNA PRESION ABSOLUTA DE %2 %3"),
                          {s.fluid, num(P), pressureUnit(u)}));
    } else {
        out.push_back(say(QT_TRANSLATE_NOOP("velm::convection", "FLUIDO: %1 (LIQUIDOS)"), {s.fluid}));
    }
    out.push_back(say(QT_TRANSLATE_NOOP("velm::convection", "TEMPERATURA DE LA SUPERFICIE TS = %1 %2"),
                      {num(fromKelvin(d.inputs.surface, u.scale)), u.scale}));
    out.push_back(say(s.kase == Case::Tube
                          ? QT_TRANSLATE_NOOP("velm::convection", "TEMPERATURA MEDIA DEL FLUIDO TINF = %1 %2")
                          : QT_TRANSLATE_NOOP("velm::convection", "TEMPERATURA DEL FLUIDO TINF = %1 %2"),
                      {num(fromKelvin(d.inputs.fluid, u.scale)), u.scale}));
    const std::string L = num(metresShown(d.inputs.length, u));
    switch (c.length) {
        case LengthKind::Length:
            out.push_back(say(QT_TRANSLATE_NOOP("velm::convection", "LONGITUD L = %1 %2"), {L, lengthUnit(u)}));
            break;
        case LengthKind::Diameter:
            out.push_back(say(QT_TRANSLATE_NOOP("velm::convection", "DIAMETRO D = %1 %2"), {L, lengthUnit(u)}));
            break;
        case LengthKind::AreaOverPerimeter:
            out.push_back(say(QT_TRANSLATE_NOOP("velm::convection", "LONGITUD CARACTERISTICA L = A/P = %1 %2"),
                              {L, lengthUnit(u)}));
            break;
    }
    if (c.forced)
        out.push_back(say(QT_TRANSLATE_NOOP("velm::convection", "VELOCIDAD V = %1 %2"),
                          {num(metresShown(d.inputs.velocity, u)), velocityUnit(u)}));
    if (s.kase == Case::Tube)
        out.push_back(say(d.inputs.wall == WallCondition::Flux
                              ? QT_TRANSLATE_NOOP("velm::convection", "CONDICION EN LA PARED: FLUJO DE CALOR UNIFORME")
                              : QT_TRANSLATE_NOOP("velm::convection", "CONDICION EN LA PARED: TEMPERATURA UNIFORME")));
}

// The property temperature and every property with its unit.
void propertyLines(Lines& out, const Derivation& d, const Shown& v) {
    const Setting& s = d.setting;
    const Units& u = s.units;
    const Result& r = *d.result;
    out.push_back(say(info(s.kase).atFilm
                          ? QT_TRANSLATE_NOOP("velm::convection",
                                              "PROPIEDADES A LA TEMPERATURA DE PELICULA TF = (TS + TINF) / 2 = %1 %2")
                          : QT_TRANSLATE_NOOP("velm::convection", "PROPIEDADES A LA TEMPERATURA DEL FLUIDO TINF = %1 %2"),
                      {num(v.propertyTemperature), u.scale}));
    for (const PropertyInfo& p : kProperties) {
        const std::string heading = shownHeading(p, u.english);
        const std::string value = num(v.property[index(p.id)]);
        if (p.id == Property::BETA && s.family == Family::Gases)
            out.push_back(say(QT_TRANSLATE_NOOP("velm::convection", "   %1 = 1 / T = %2 (GAS IDEAL)"), {heading, value}));
        else
            out.push_back(fill("   %1 = %2", {heading, value}));
    }
    if (r.surfaceViscosity)
        out.push_back(say(QT_TRANSLATE_NOOP("velm::convection", "   %1 A LA TEMPERATURA DE LA SUPERFICIE = %2"),
                          {shownHeading(info(Property::MIU), u.english), num(*v.surfaceViscosity)}));
}

// The groups, the correlation, Nu, h and q.
void resultLines(Lines& out, const Derivation& d, const Shown& v) {
    const Units& u = d.setting.units;
    const Result& r = *d.result;
    const std::string L = info(d.setting.kase).length == LengthKind::Diameter ? "D" : "L";
    const std::string nu = symbol(Property::UN);
    if (r.Re) out.push_back(fill("Re = V %1 / %2 = %3", {L, nu, num(*r.Re)}));
    if (r.Gr) {
        out.push_back(fill("Gr = g BETA |TS - TINF| %1^3 / %2^2 = %3   (g = %4 m/s^2)", {L, nu, num(*r.Gr), num(kGravity)}));
        out.push_back(fill("Ra = Gr Pr = %1", {num(*r.Ra)}));
    }
    out.push_back(fill("Pr = %1", {num(r.Pr)}));
    out.push_back(say(QT_TRANSLATE_NOOP("velm::convection", "CORRELACION: %1"), {correlationName(r.correlation)}));
    out.push_back("   " + say(std::string(correlationFormula(r.correlation)).c_str()));
    if (!correlationRange(r.correlation).empty())
        out.push_back(say(QT_TRANSLATE_NOOP("velm::convection", "   RANGO: %1"), {correlationRange(r.correlation)}));
    out.push_back(fill("Nu = %1", {num(r.Nu)}));
    out.push_back(fill("h = Nu K / %1 = %2 %3", {L, num(v.h), hUnit(u)}));
    out.push_back(fill("q = h (TS - TINF) = %1 %2", {num(v.q), qUnit(u)}));
    for (const Message& w : r.warnings)
        out.push_back(say(QT_TRANSLATE_NOOP("velm::convection", "AVISO: %1"), {messageText(w)}));
}

}  // namespace

std::string caseTitle(Case c) {
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

std::string lengthUnit(const Units& u) { return u.english ? shownUnit(QT_TRANSLATE_NOOP("velm::units", "pie")) : "m"; }
std::string areaUnit(const Units& u) { return u.english ? shownUnit(QT_TRANSLATE_NOOP("velm::units", "pie^2")) : "m^2"; }
std::string velocityUnit(const Units& u) {
    return u.english ? shownUnit(QT_TRANSLATE_NOOP("velm::units", "pie/s")) : "m/s";
}

std::string derivationText(const Derivation& d) {
    const Shown v = shown(*d.result, d.setting.units);
    Lines lines;
    inputLines(lines, d);
    propertyLines(lines, d, v);
    resultLines(lines, d, v);
    std::string text;
    for (const std::string& line : lines) text += line + '\n';
    return text;
}

std::string variableHeading(Variable v, const Units& u) {
    switch (v) {
        case Variable::Velocity: return "V (" + velocityUnit(u) + ")";
        case Variable::Length: return "L (" + lengthUnit(u) + ")";
        case Variable::Diameter: return "D (" + lengthUnit(u) + ")";
        case Variable::SurfaceTemp: return "TS (" + u.scale + ")";
    }
    return {};
}

PlotData shownPlotData(const Setting& s, const Sweep& sweep) {
    PlotData d = plotData(s, sweep);
    d.title = caseTitle(s.kase) + " - " + s.fluid;
    d.xTitle = variableHeading(sweep.variable, s.units);
    d.yTitle = "h (" + hUnit(s.units) + ")";
    d.lineName = "h";
    d.extrapolatedName = say(QT_TRANSLATE_NOOP("velm::convection", "FUERA DEL RANGO DE LA CORRELACION"));
    return d;
}

}  // namespace velm::convection
