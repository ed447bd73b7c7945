// The calls behind the page's three views, each what the desktop screen's handler does with
// the texts typed: the property screen's calculation and its results line, the tables
// screen's table (kept here; the page asks only for the rows it shows) with its plot and its
// files, and the convection screen's derivation and plot of h.
#include "convection/Convection.h"
#include "convection/ConvectionEntry.h"
#include "engine/CalcularTabla.h"
#include "engine/Entry.h"
#include "engine/ResultsLine.h"
#include "engine/Sweep.h"
#include "engine/SweepText.h"
#include "i18n/Derivation.h"
#include "i18n/MessageText.h"
#include "i18n/Shown.h"
#include "i18n/Text.h"
#include "web/Values.h"

#include <emscripten/bind.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace velm;
using namespace velm::web;
using emscripten::val;
namespace conv = velm::convection;

namespace {

Family familyOf(const val& request) { return *familyNamed(request["family"].as<std::string>()); }
std::string text(const val& request, const char* key) { return request[key].as<std::string>(); }

// Every message told during a calculation, in order.
class Told : public Notifier {
public:
    void inform(const Message& m) override { messages.push_back(m); }
    std::vector<Message> messages;
};

val messageList(const std::vector<Message>& messages) {
    val out = val::array();
    for (const Message& m : messages) out.call<void>("push", messageValue(m));
    return out;
}

// A refusal: the box to empty and focus, and the message (after any told before it).
val refusedBox(const char* box, const Message& m, std::vector<Message> before = {}) {
    before.push_back(m);
    val out = val::object();
    out.set("refused", std::string(box));
    out.set("messages", messageList(before));
    return out;
}

// The property screen: the temperature and (for a gas) the pressure as typed, then the
// evaluation of the calculator's --temp. request: {family, fluid, english, scale,
// temperature, pressure, decimalComma}. Gives the result boxes' texts, every message in the
// order the desktop shows them, and the results file's heading and values lines (Latin-1,
// CR LF) for "Guardar resultados".
val propertyScreen(val request) {
    const bool comma = request["decimalComma"].as<bool>();
    SweepRequest r;
    r.family = familyOf(request);
    r.fluid = text(request, "fluid");
    r.english = request["english"].as<bool>();
    r.scale = text(request, "scale");
    const std::optional<double> t = parseNumber(text(request, "temperature"), comma);
    if (!t) return refusedBox("temperature", refusal(TemperatureOutcome::NotANumber));
    const TemperatureRule rule = temperatureRule(*t, r.scale, r.family, r.fluid);
    if (rule.outcome == TemperatureOutcome::DoesNotExist)
        return refusedBox("temperature", refusal(TemperatureOutcome::DoesNotExist));
    if (r.family == Family::Gases) {
        // As on the desktop: the temperature's warning, told at its acceptance, comes first.
        const std::string pressure = text(request, "pressure");
        const PressureRule p = pressureRule(pressure, r.english, comma);
        if (p.outcome != PressureOutcome::Accepted) {
            std::vector<Message> before;
            if (rule.outOfRange) before.push_back(*rule.outOfRange);
            return refusedBox("pressure", refusal(p.outcome), std::move(before));
        }
        r.pressure = p.kPa;
        r.pressureText = pressure;
    }
    r.temperatures = {*t};
    Told told;
    const SweepTable table = runSweep(r, pointSource(), &told);
    val out = val::object();
    out.set("messages", messageList(told.messages));
    if (table.stop != SweepStop::None || table.rows() == 0 || !table.computed(0)) {
        // A pressure the gas cannot be evaluated at is typed again; anything else, the temperature.
        out.set("refused", std::string(table.stop == SweepStop::ZeroPressure ? "pressure" : "temperature"));
        return out;
    }
    out.set("refused", val::null());
    std::vector<std::string> texts;
    for (std::size_t c = 1; c + 1 < sweepColumnCount(r.family); ++c) texts.push_back(cellText(table, 0, c));
    out.set("texts", stringArray(texts));
    out.set("fileHeading", bytes(toFileLine(headingLine(r.family, r.english, r.scale))));
    out.set("fileLine", bytes(toFileLine(valuesLine(r.family, table.entered[0], table.values[0]))));
    return out;
}

// The result rows' captions of a family: the screens' headings ("D (Kg/m^3)").
val resultHeadings(const std::string& family, bool english) {
    std::vector<std::string> h;
    for (const PropertyInfo& p : propertiesOf(*familyNamed(family))) h.push_back(shownHeading(p, english));
    return stringArray(h);
}

// The row-entry screen's units: the temperature's, then each property's, SI as stored.
val rowEntryUnits(const std::string& family) {
    std::vector<std::string> units{"K"};
    for (const PropertyInfo& p : propertiesOf(*familyNamed(family))) units.push_back(shownUnit(p, false));
    return stringArray(units);
}

// The tables screen's table, kept for the rows the page shows, its plot and its files.
std::unique_ptr<SweepTable> gTable;

// The table's size and its words in the language in force: the headings and the line under it.
val tableWords(val out) {
    if (!gTable) return out;
    const SweepRequest& r = gTable->request;
    out.set("rows", double(gTable->rows()));
    out.set("headings", stringArray(shownSweepHeadings(r.family, r.english, r.scale)));
    out.set("summary", summaryText(*gTable));
    return out;
}

// request: {family, fluid, english, scale, from, to, step, pressure, decimalComma}
val tabulate(val request) {
    gTable.reset();
    const SweepEntry entry = acceptSweep(familyOf(request), text(request, "fluid"), request["english"].as<bool>(),
                                         text(request, "scale"),
                                         {text(request, "from"), text(request, "to"), text(request, "step"),
                                          text(request, "pressure")},
                                         request["decimalComma"].as<bool>());
    static constexpr const char* kFields[] = {"", "from", "to", "step", "pressure"};
    if (entry.refused != SweepField::None) return refusedBox(kFields[std::size_t(entry.refused)], entry.message);
    auto table = std::make_unique<SweepTable>(runSweep(entry.request, pointSource()));
    val out = val::object();
    out.set("refused", val::null());
    if (table->stop != SweepStop::None) {
        // The table cannot give this range: its message once, and no rows.
        out.set("messages", messageList({table->stopMessage}));
        out.set("rows", 0);
        return out;
    }
    out.set("messages", val::array());
    gTable = std::move(table);
    return tableWords(out);
}

// The texts of `count` rows from `first`, row after row, and each row's kind: where its values
// came from (0 to 3, as RowSource) or 4, none computed.
val tableRows(unsigned first, unsigned count) {
    val out = val::object();
    if (!gTable) return out;
    const std::size_t end = std::min<std::size_t>(gTable->rows(), std::size_t(first) + count);
    const std::size_t columns = sweepColumnCount(gTable->request.family);
    val texts = val::array();
    std::string kinds;
    for (std::size_t row = first; row < end; ++row) {
        for (std::size_t c = 0; c < columns; ++c) texts.call<void>("push", shownCellText(*gTable, row, c));
        kinds += char(gTable->computed(row) ? int(gTable->source[row]) : 4);
    }
    out.set("texts", texts);
    out.set("kinds", bytes(kinds));
    return out;
}

val tablePlot(unsigned property, bool logAxis) {
    if (!gTable) return val::null();
    return plotValue(shownPlotData(*gTable, Property(property), logAxis));
}

// The files of the table: "csv" (UTF-8), "tsv" (the regional decimal separator) or
// "results" (Latin-1, CR LF), as bytes.
val tableFile(const std::string& kind, bool decimalComma) {
    if (!gTable) return val::null();
    if (kind == "csv") return bytes(csvText(*gTable));
    if (kind == "tsv") return bytes(tsvText(*gTable, decimalComma));
    return bytes(resultsFileText(*gTable));
}

// The convection screen's entries: {case, family, fluid, english, scale, tubeCondition,
// correlation, surface, fluidTemp, length, perimeter, velocity, pressure (texts), decimalComma}.
conv::Setting settingOf(const val& request) {
    conv::Setting s;
    s.kase = *conv::caseNamed(text(request, "case"));
    s.family = familyOf(request);
    s.fluid = text(request, "fluid");
    s.units.english = request["english"].as<bool>();
    s.units.scale = text(request, "scale");
    s.wall = text(request, "tubeCondition") == "flux" ? conv::WallCondition::Flux : conv::WallCondition::Temperature;
    s.tube = text(request, "correlation") == "dittus-boelter" ? conv::TubeCorrelation::DittusBoelter
                                                             : conv::TubeCorrelation::Gnielinski;
    return s;
}

val refusedField(conv::Field f, const Message& m) {
    static constexpr const char* kFields[] = {"", "surface", "fluidTemp", "length", "perimeter", "velocity", "pressure"};
    return refusedBox(kFields[std::size_t(f)], m);
}

std::optional<conv::Entry> accepted(const conv::Setting& s, const val& request, val& refusal) {
    conv::EntryTexts t{text(request, "surface"), text(request, "fluidTemp"), text(request, "length"),
                       text(request, "perimeter"), text(request, "velocity"), text(request, "pressure")};
    // A horizontal plate's box holds its area: the perimeter is asked for too.
    if (conv::info(s.kase).length != conv::LengthKind::AreaOverPerimeter) t.perimeter.clear();
    else if (t.perimeter.empty()) t.perimeter.assign(1, ' ');  // refused as no number
    const conv::Entry e = conv::acceptEntry(s, t, request["decimalComma"].as<bool>());
    if (e.refused == conv::Field::None) return e;
    refusal = refusedField(e.refused, e.message);
    return std::nullopt;
}

// The whole derivation, and the warnings of the calculation in the order they arose.
val derive(val request) {
    const conv::Setting s = settingOf(request);
    val out = val::object();
    const std::optional<conv::Entry> e = accepted(s, request, out);
    if (!e) return out;
    conv::FluidProperties fluid(s.family, s.fluid, e->pressure, pointSource());
    const conv::Outcome o = conv::calculate(fluid, e->inputs);
    out.set("refused", val::null());
    if (o.stop != conv::Stop::None) {
        out.set("messages", messageList({o.message}));
        return out;
    }
    out.set("text", conv::derivationText({s, e->inputs, e->pressure, &o.result}));
    out.set("messages", messageList(o.result.warnings));
    return out;
}

// h against one input over DESDE, HASTA, PASO: {..., variable, from, to, step}.
val plotH(val request) {
    const conv::Setting s = settingOf(request);
    val out = val::object();
    const std::optional<conv::Entry> e = accepted(s, request, out);
    if (!e) return out;
    const RangeEntry range = conv::acceptRange(text(request, "from"), text(request, "to"), text(request, "step"),
                                               request["decimalComma"].as<bool>());
    static constexpr const char* kFields[] = {"", "from", "to", "step"};
    if (range.refused != RangeField::None) return refusedBox(kFields[std::size_t(range.refused)], range.message);
    conv::FluidProperties fluid(s.family, s.fluid, e->pressure, pointSource());
    const conv::Sweep sweep =
        conv::runSweep(fluid, e->inputs, *conv::variableNamed(text(request, "variable")), range.values, s.units);
    out.set("refused", val::null());
    if (sweep.stop != conv::Stop::None) {
        out.set("messages", messageList({sweep.message}));
        return out;
    }
    out.set("plot", plotValue(conv::shownPlotData(s, sweep)));
    out.set("messages", distinctMessages(sweep.warnings));
    return out;
}

// The words of the convection screen that depend on the case and the units.
val caseWords(const std::string& kase, bool english, const std::string& scale) {
    const conv::Case c = *conv::caseNamed(kase);
    const conv::Units u{english, scale};
    val out = val::object();
    out.set("title", conv::caseTitle(c));
    out.set("lengthUnit", conv::lengthUnit(u));
    out.set("areaUnit", conv::areaUnit(u));
    out.set("velocityUnit", conv::velocityUnit(u));
    val variables = val::array();
    for (const auto v : {conv::Variable::Velocity, conv::Variable::Length, conv::Variable::Diameter,
                         conv::Variable::SurfaceTemp}) {
        if (!conv::hasVariable(c, v)) continue;
        val item = val::object();
        item.set("name", std::string(conv::variableName(v)));
        item.set("heading", conv::variableHeading(v, u));
        variables.call<void>("push", item);
    }
    out.set("variables", variables);
    return out;
}

// A plot's tick label, as the desktop's charts write it ("%g": six significant digits).
std::string tickText(double v) { return generalText(v, 6); }

}  // namespace

EMSCRIPTEN_BINDINGS(velmorantes_screens) {
    emscripten::function("evaluate", &propertyScreen);
    emscripten::function("resultHeadings", &resultHeadings);
    emscripten::function("rowEntryUnits", &rowEntryUnits);
    emscripten::function("tabulate", &tabulate);
    emscripten::function("tableRows", &tableRows);
    emscripten::function("tableWords", &tableWords);
    emscripten::function("tablePlot", &tablePlot);
    emscripten::function("tableFile", &tableFile);
    emscripten::function("derive", &derive);
    emscripten::function("plotH", &plotH);
    emscripten::function("caseWords", &caseWords);
    emscripten::function("tickText", &tickText);
}
