// The calls behind velmorantes.mjs: the properties of a fluid at many temperatures, convection
// coefficients as the calculator's CSV gives them, the fluid lists, and the language the
// messages are rendered in. Every rule and every message is the core's; JavaScript checks the
// arguments' kinds and shapes the results.
#include "convection/Convection.h"
#include "convection/ConvectionEntry.h"
#include "convection/ConvectionOutput.h"
#include "engine/Catalogue.h"
#include "engine/Entry.h"
#include "engine/Sweep.h"
#include "engine/SweepText.h"
#include "i18n/Shown.h"
#include "i18n/Text.h"
#include "web/Values.h"

#include <emscripten/bind.h>

#include <optional>
#include <string>
#include <unordered_map>

using namespace velm;
using namespace velm::web;
using emscripten::val;
namespace conv = velm::convection;

namespace {

// The translation in force: context and source text joined by U+0004, as the page's table
// keys them; empty for the source texts (Spanish).
std::unordered_map<std::string, std::string> gTranslations;
bool gDecimalComma = false;

std::string translate(const char* context, const char* source) {
    std::string key(context);
    key += '\x04';
    key += source;
    const auto it = gTranslations.find(key);
    return it == gTranslations.end() ? std::string(source) : it->second;
}

bool decimalComma() { return gDecimalComma; }

// `table`: an object of translations keyed "context\u0004source", or null for Spanish.
void setLanguage(val table, bool comma) {
    gTranslations.clear();
    gDecimalComma = comma;
    if (!table.isNull() && !table.isUndefined()) {
        const val keys = val::global("Object").call<val>("keys", table);
        const auto n = keys["length"].as<unsigned>();
        for (unsigned i = 0; i < n; ++i) {
            const std::string key = keys[i].as<std::string>();
            gTranslations.emplace(key, table[key].as<std::string>());
        }
    }
    setTextHooks(translate, decimalComma);
}

void setPointReader(val reader) { pointSource().setReader(std::move(reader)); }

std::optional<Family> familyOf(const std::string& name) { return familyNamed(name); }

val builtInNames(const std::string& family) {
    val out = val::array();
    if (const auto f = familyOf(family))
        for (const BuiltInFluid& b : builtInFluids(*f)) out.call<void>("push", std::string(b.name));
    return out;
}

std::string fluidName(const std::string& family, const std::string& title) {
    const auto f = familyOf(family);
    return f ? shownFluidName(*f, title) : title;
}

// The result of a call: the refusal, or the columns and the warnings.
val refused(const Message& m) {
    val out = val::object();
    out.set("refusal", messageValue(m));
    return out;
}

// request: {family, fluid, temperatures: Float64Array, pressure: number|null, english, scale}
val properties(val request) {
    SweepRequest r;
    r.family = *familyOf(request["family"].as<std::string>());
    r.fluid = request["fluid"].as<std::string>();
    r.english = request["english"].as<bool>();
    r.scale = request["scale"].as<std::string>();
    if (r.family == Family::Gases) {
        const PressureRule p = pressureRule(request["pressure"].as<double>(), r.english);
        if (p.outcome != PressureOutcome::Accepted) return refused(refusal(p.outcome));
        r.pressure = p.kPa;
    }
    const std::vector<double> temperatures = doublesOf(request["temperatures"]);
    const std::size_t n = temperatures.size();
    const auto shown = propertiesOf(r.family);
    std::vector<std::vector<double>> columns(shown.size(), std::vector<double>(n));
    std::vector<RowSource> from(n);
    SweepColumns out;
    for (std::size_t i = 0; i < shown.size(); ++i) out.value[index(shown[i].id)] = columns[i].data();
    out.source = from.data();
    const ColumnsOutcome o = sweepColumns(r, temperatures, pointSource(), out);
    if (o.refusal) return refused(*o.refusal);

    val result = val::object();
    val values = val::object();
    for (std::size_t i = 0; i < shown.size(); ++i) values.set(std::string(shown[i].column), float64Array(columns[i]));
    result.set("columns", values);
    // One word for every row when all came from one place (a built-in fluid inside its range),
    // otherwise a byte a row.
    if (o.source) {
        result.set("sameOrigin", int(*o.source));
    } else {
        std::string origin(n, '\0');
        for (std::size_t i = 0; i < n; ++i) origin[i] = char(from[i]);
        result.set("origin", bytes(origin));
    }
    val words = val::array();
    for (const RowSource s : {RowSource::Correlation, RowSource::TablePoint, RowSource::Interpolated,
                              RowSource::Extrapolated})
        words.call<void>("push", std::string(sourceText(s)));
    result.set("originWords", words);
    result.set("warnings", distinctMessages(o.warnings));
    result.set("refusal", val::null());
    return result;
}

conv::Setting settingOf(const val& request) {
    conv::Setting s;
    s.kase = *conv::caseNamed(request["case"].as<std::string>());
    s.family = *familyOf(request["family"].as<std::string>());
    s.fluid = request["fluid"].as<std::string>();
    s.units.english = request["english"].as<bool>();
    s.units.scale = request["scale"].as<std::string>();
    s.wall = request["tubeCondition"].as<std::string>() == "flux" ? conv::WallCondition::Flux
                                                                  : conv::WallCondition::Temperature;
    s.tube = request["correlation"].as<std::string>() == "dittus-boelter" ? conv::TubeCorrelation::DittusBoelter
                                                                          : conv::TubeCorrelation::Gnielinski;
    return s;
}

// The calculator's CSV columns of the rows: numbers or null where the case has no such field.
val convectionColumns(const conv::Setting& s, const std::vector<conv::Result>& rows) {
    std::vector<conv::Shown> shown;
    shown.reserve(rows.size());
    for (const conv::Result& r : rows) shown.push_back(conv::shown(r, s.units));
    val columns = val::object();
    std::string correlations(rows.size(), '\0');
    for (std::size_t i = 0; i < rows.size(); ++i) correlations[i] = char(rows[i].correlation);
    val names = val::array();
    for (std::size_t c = 0; c <= std::size_t(conv::NuCorrelation::PlateHotDown); ++c)
        names.call<void>("push", std::string(conv::correlationName(conv::NuCorrelation(c))));
    // Each numeric column of the calculator's CSV; null where the case has no such field.
    for (const conv::NumericColumn& c : conv::numericColumns()) {
        const std::string key(c.key);
        if (!c.value(rows[0], shown[0])) {
            columns.set(key, val::null());
            continue;
        }
        std::vector<double> out(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) out[i] = *c.value(rows[i], shown[i]);
        columns.set(key, float64Array(out));
    }
    val result = val::object();
    result.set("columns", columns);
    result.set("correlation", bytes(correlations));
    result.set("correlationNames", names);
    return result;
}

// request: the setting's words, {surface, fluid, length, velocity, pressure, perimeter|null}
// as numbers, and `vary` (a variable's name or null) with `values` (a Float64Array).
val convectionCoefficients(val request) {
    const conv::Setting s = settingOf(request);
    conv::EntryValues v;
    v.surface = request["surface"].as<double>();
    v.fluid = request["fluidTemp"].as<double>();
    v.length = request["length"].as<double>();
    v.velocity = request["velocity"].as<double>();
    v.pressure = request["pressure"].as<double>();
    if (!request["perimeter"].isNull()) v.perimeter = request["perimeter"].as<double>();
    const conv::Entry e = conv::acceptEntry(s, v);
    if (e.refused != conv::Field::None) return refused(e.message);

    conv::FluidProperties fluid(s.family, s.fluid, e.pressure, pointSource());
    conv::Sweep sweep;
    if (!request["vary"].isNull()) {
        const auto variable = conv::variableNamed(request["vary"].as<std::string>());
        sweep = conv::runSweep(fluid, e.inputs, *variable, doublesOf(request["values"]), s.units);
    } else {
        conv::Outcome o = conv::calculate(fluid, e.inputs);
        sweep.stop = o.stop;
        sweep.message = std::move(o.message);
        sweep.warnings = o.result.warnings;
        sweep.rows.push_back(std::move(o.result));
    }
    if (sweep.stop != conv::Stop::None) return refused(sweep.message);
    val result = convectionColumns(s, sweep.rows);
    result.set("warnings", distinctMessages(sweep.warnings));
    result.set("refusal", val::null());
    return result;
}

// FROM:TO:STEP as the calculator reads it: {problem, values}.
val range(const std::string& text, unsigned most) {
    const RangeText r = readRange(text, gDecimalComma, most);
    static constexpr const char* kProblems[] = {"", "FORM", "NOT_A_NUMBER", "DIRECTION", "TOO_MANY"};
    val out = val::object();
    out.set("problem", std::string(kProblems[std::size_t(r.problem)]));
    out.set("values", float64Array(r.values));
    return out;
}

// The refusal of a value that is not a number, for the arguments JavaScript reads itself.
val notANumber() { return messageValue(message(MessageId::NotANumber)); }

// A typed value as the entry boxes and the editing grid read it (null: not a number), and as
// the row-entry fields read it (never refused), for the page's tables.
val typedNumber(const std::string& text, bool comma) {
    const std::optional<double> v = parseNumber(text, comma);
    return v ? val(*v) : val::null();
}
double typedLeadingNumber(const std::string& text) { return leadingNumber(text); }

// The cases as the calculator names them, with what each takes.
val caseList() {
    val out = val::array();
    for (const conv::CaseInfo& c : conv::cases()) {
        val v = val::object();
        v.set("name", std::string(c.name));
        v.set("forced", c.forced);
        static constexpr const char* kLengths[] = {"length", "diameter", "area"};
        v.set("length", std::string(kLengths[std::size_t(c.length)]));
        val variables = val::array();
        for (const auto var : {conv::Variable::Velocity, conv::Variable::Length, conv::Variable::Diameter,
                               conv::Variable::SurfaceTemp})
            if (conv::hasVariable(c.id, var)) variables.call<void>("push", std::string(conv::variableName(var)));
        v.set("variables", variables);
        out.call<void>("push", v);
    }
    return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(velmorantes_module) {
    emscripten::function("setLanguage", &setLanguage);
    emscripten::function("setPointReader", &setPointReader);
    emscripten::function("builtInNames", &builtInNames);
    emscripten::function("fluidName", &fluidName);
    emscripten::function("properties", &properties);
    emscripten::function("convection", &convectionCoefficients);
    emscripten::function("range", &range);
    emscripten::function("caseList", &caseList);
    emscripten::function("notANumber", &notANumber);
    emscripten::function("parseNumber", &typedNumber);
    emscripten::function("leadingNumber", &typedLeadingNumber);
}
