#include "i18n/Shown.h"

#include "engine/Catalogue.h"
#include "engine/ResultsLine.h"
#include "engine/SweepText.h"
#include "i18n/Text.h"

namespace velm {
namespace {

// The engine's symbols and units that are words of Spanish, translated where they are shown.
[[maybe_unused]] constexpr const char* kUnits[] = {
    QT_TRANSLATE_NOOP("velm::units", "Lb/pie^3"),       QT_TRANSLATE_NOOP("velm::units", "V.AB."),
    QT_TRANSLATE_NOOP("velm::units", "Lbf.s/pie^2"),    QT_TRANSLATE_NOOP("velm::units", "V.CI."),
    QT_TRANSLATE_NOOP("velm::units", "pie^2/s"),        QT_TRANSLATE_NOOP("velm::units", "Btu/(h.pie.ºF)"),
};

// The built-in fluids' titles, translated into the title with the English name beside it.
[[maybe_unused]] constexpr const char* kShownNames[] = {
    QT_TRANSLATE_NOOP("velm::fluids", "AIRE"),      QT_TRANSLATE_NOOP("velm::fluids", "AMONIACO"),
    QT_TRANSLATE_NOOP("velm::fluids", "CO"),        QT_TRANSLATE_NOOP("velm::fluids", "CO2"),
    QT_TRANSLATE_NOOP("velm::fluids", "HELIO"),     QT_TRANSLATE_NOOP("velm::fluids", "HIDROGENO"),
    QT_TRANSLATE_NOOP("velm::fluids", "NITROGENO"), QT_TRANSLATE_NOOP("velm::fluids", "OXIGENO"),
    QT_TRANSLATE_NOOP("velm::fluids", "VAPOR"),     QT_TRANSLATE_NOOP("velm::fluids", "ACEITE"),
    QT_TRANSLATE_NOOP("velm::fluids", "AGUA"),      QT_TRANSLATE_NOOP("velm::fluids", "FREON12"),
    QT_TRANSLATE_NOOP("velm::fluids", "GLICERINA"), QT_TRANSLATE_NOOP("velm::fluids", "GLICOL"),
    QT_TRANSLATE_NOOP("velm::fluids", "MERCURIO"),  QT_TRANSLATE_NOOP("velm::fluids", "SO2"),
};

// Where a row came from, as the screen's table says it.
[[maybe_unused]] constexpr const char* kSources[] = {
    QT_TRANSLATE_NOOP("velm::sweep", "CORRELACION"), QT_TRANSLATE_NOOP("velm::sweep", "PUNTO DE TABLA"),
    QT_TRANSLATE_NOOP("velm::sweep", "INTERPOLADO"), QT_TRANSLATE_NOOP("velm::sweep", "EXTRAPOLADO"),
    QT_TRANSLATE_NOOP("velm::sweep", "NO EXISTE"),   QT_TRANSLATE_NOOP("velm::sweep", "NO CALCULABLE"),
};

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::string say(const char* source, std::initializer_list<std::string_view> values = {}) {
    return localized("velm::msg", source, values);
}

}  // namespace

std::string shownSymbol(std::string_view text) {
    return text.empty() ? std::string() : localized("velm::units", std::string(text).c_str());
}

std::string shownUnit(const PropertyInfo& p, bool english) { return shownSymbol(p.unit(english)); }

std::string shownHeading(const PropertyInfo& p, bool english) {
    const std::string u = shownUnit(p, english);
    return u.empty() ? shownSymbol(p.symbol) : shownSymbol(p.symbol) + " (" + u + ")";
}

std::string shownFluidName(Family family, std::string_view title) {
    const BuiltInFluid* f = lookupBuiltIn(family, title);
    return f ? localized("velm::fluids", std::string(f->name).c_str()) : std::string(title);
}

std::vector<std::string> shownSweepHeadings(Family family, bool english, std::string_view scale) {
    std::vector<std::string> h{temperatureHeading(english, scale)};
    for (const PropertyInfo& p : propertiesOf(family)) h.push_back(shownHeading(p, english));
    h.emplace_back(localized("velm::sweep", QT_TRANSLATE_NOOP("velm::sweep", "ORIGEN")));
    return h;
}

std::string shownCellText(const SweepTable& t, std::size_t row, std::size_t column) {
    const std::string text = cellText(t, row, column);
    return columnProperty(t.request.family, column) || column == 0 ? text : localized("velm::sweep", text.c_str());
}

std::string summaryText(const SweepTable& t) {
    const SweepRequest& r = t.request;
    std::string s;
    const auto add = [&s](const std::string& part) {
        if (!s.empty()) s += "   ";
        s += part;
    };
    const BuiltInFluid* builtIn = lookupBuiltIn(r.family, r.fluid);
    if (builtIn) {
        if (const std::size_t n = t.countOutsideCorrelation())
            add(say(n == 1 ? QT_TRANSLATE_NOOP("velm::msg", "%1 TEMPERATURA FUERA DEL RANGO DE LA ECUACION DEL (DE LA) %2 "
                                                            "%3 SE EXTRAPOLO CON LA TABLA %2 (POCO RECOMENDABLE)")
                           : QT_TRANSLATE_NOOP("velm::msg", "%1 TEMPERATURAS FUERA DEL RANGO DE LA ECUACION DEL (DE LA) "
                                                            "%2 %3 SE EXTRAPOLARON CON LA TABLA %2 (POCO RECOMENDABLE)"),
                    {countText(double(n)), r.fluid, builtIn->rangeText}));
    } else if (const std::size_t n = t.count(RowSource::Extrapolated)) {
        add(say(n == 1 ? QT_TRANSLATE_NOOP("velm::msg", "%1 TEMPERATURA FUERA DEL RANGO DE LA TABLA %2 SE EXTRAPOLO")
                       : QT_TRANSLATE_NOOP("velm::msg", "%1 TEMPERATURAS FUERA DEL RANGO DE LA TABLA %2 SE EXTRAPOLARON"),
                {countText(double(n)), r.fluid}));
    }
    if (const std::size_t n = t.count(RowOutcome::NotComputable))
        add(say(n == 1 ? QT_TRANSLATE_NOOP("velm::msg", "%1 TEMPERATURA NO SE PUDO CALCULAR (EL RESULTADO NO ES UN NUMERO)")
                       : QT_TRANSLATE_NOOP("velm::msg",
                                           "%1 TEMPERATURAS NO SE PUDIERON CALCULAR (EL RESULTADO NO ES UN NUMERO)"),
                {countText(double(n))}));
    return s;
}

PlotData shownPlotData(const SweepTable& t, Property property, bool logAxis) {
    PlotData d = plotData(t, property, logAxis);
    const SweepRequest& r = t.request;
    const auto plot = [](const char* source, std::initializer_list<std::string_view> values = {}) {
        return localized("velm::plot", source, values);
    };
    d.title = r.fluid;
    if (r.family == Family::Gases)
        d.title = plot(QT_TRANSLATE_NOOP("velm::plot", "%1 A %2 %3"),
                       {r.fluid, trimmed(r.pressureText), r.english ? "psi" : "KPa"});
    d.xTitle = temperatureHeading(r.english, r.scale);
    d.yTitle = shownHeading(info(property), r.english);
    d.lineName = isBuiltIn(r.family, r.fluid) ? plot(QT_TRANSLATE_NOOP("velm::plot", "CORRELACION"))
                                              : plot(QT_TRANSLATE_NOOP("velm::plot", "INTERPOLADO"));
    d.extrapolatedName = plot(QT_TRANSLATE_NOOP("velm::plot", "EXTRAPOLADO"));
    d.markerName = plot(QT_TRANSLATE_NOOP("velm::plot", "PUNTOS DE TABLA"));
    d.rangeName = plot(QT_TRANSLATE_NOOP("velm::plot", "RANGO DE LA ECUACION"));
    return d;
}

}  // namespace velm
