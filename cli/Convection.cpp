#include "cli/Convection.h"

#include "convection/ConvectionEntry.h"
#include "convection/ConvectionText.h"
#include "engine/Entry.h"
#include "engine/Messages.h"
#include "engine/Sweep.h"
#include "engine/SweepText.h"
#include "store/FluidStore.h"

#include <QString>

#include <optional>
#include <ostream>
#include <vector>

namespace velm {
namespace {

using namespace velm::convection;
using Options = std::map<std::string, std::string>;

[[noreturn]] void usageError(std::string problem) { throw ConvectionUsageError{std::move(problem)}; }

const std::string* given(const Options& o, const std::string& name) {
    const auto it = o.find(name);
    return it == o.end() ? nullptr : &it->second;
}

// The options this mode does not take.
void refuseOthers(const Options& o) {
    for (const char* name : {"--temp", "--output", "--plot", "--plot-file", "--plot-size", "--plot-axis"})
        if (given(o, name)) usageError(std::string(name) + " is not taken with --convection");
    if (const std::string* f = given(o, "--format"); f && *f != "csv")
        usageError("--format with --convection must be csv");
}

std::string caseNames() {
    std::string names;
    for (const CaseInfo& c : cases()) names += (names.empty() ? "" : ", ") + std::string(c.name);
    return names;
}

// The choice among fixed words of an option, or its default when not given.
template <class T>
T choice(const Options& o, const char* name, std::initializer_list<std::pair<const char*, T>> words, T fallback) {
    const std::string* v = given(o, name);
    if (!v) return fallback;
    std::string all;
    for (const auto& [word, value] : words) {
        if (*v == word) return value;
        all += (all.empty() ? "" : "|") + std::string(word);
    }
    usageError(std::string(name) + " must be " + all);
}

Units unitsOf(const Options& o) {
    Units u;
    u.english = choice(o, "--units", {{"SI", false}, {"INGLES", true}}, false);
    const std::string* scale = given(o, "--scale");
    u.scale = u.english ? "ºF" : "K";
    if (!scale) return u;
    for (const auto& [spelling, meant] : std::initializer_list<std::pair<const char*, const char*>>{
             {"K", "K"}, {"ºC", "ºC"}, {"C", "ºC"}, {"°C", "ºC"}, {"ºF", "ºF"}, {"F", "ºF"}, {"°F", "ºF"}})
        if (*scale == spelling && (u.english == (std::string(meant) == "ºF"))) {
            u.scale = meant;
            return u;
        }
    usageError("--scale " + *scale + " is not offered under " + (u.english ? "INGLES units (use ºF)" : "SI units (use K or ºC)"));
}

struct Request {
    Setting setting;
    EntryTexts texts;
    std::optional<Variable> vary;
    std::string sweep;
    bool csv = false;
    QString dbDir;
};

// Each input given exactly when the case takes it; the one varied is not given.
void takeInputs(const Options& o, Request& r) {
    const CaseInfo& c = info(r.setting.kase);
    const auto need = [&](const char* name, bool wanted, std::string& text, const char* why) {
        const std::string* v = given(o, name);
        const bool varied = r.vary && variableName(*r.vary) == std::string_view(name).substr(2);
        if (v && !wanted) usageError(std::string(name) + " is not taken " + why);
        if (v && varied) usageError(std::string(name) + " is varied by --vary: give it only there");
        if (!v && wanted && !varied) usageError(std::string(c.name) + " needs " + name);
        if (v) text = *v;
    };
    need("--surface-temp", true, r.texts.surface, "");
    need("--fluid-temp", true, r.texts.fluid, "");
    need("--velocity", c.forced, r.texts.velocity, "in free convection");
    const bool gas = r.setting.family == Family::Gases;
    need("--pressure", gas, r.texts.pressure, "for a liquid");
    const bool plate = c.length == LengthKind::AreaOverPerimeter;
    const bool areaGiven = plate && (given(o, "--area") || given(o, "--perimeter"));
    if (areaGiven && r.vary == Variable::Length) usageError("--vary length is L itself, not --area and --perimeter");
    need("--diameter", c.length == LengthKind::Diameter, r.texts.length, ("by " + std::string(c.name)).c_str());
    need("--length", c.length != LengthKind::Diameter && !areaGiven, r.texts.length,
         areaGiven ? "with --area and --perimeter" : ("by " + std::string(c.name)).c_str());
    need("--area", areaGiven, r.texts.length, ("by " + std::string(c.name)).c_str());
    need("--perimeter", areaGiven, r.texts.perimeter, ("by " + std::string(c.name)).c_str());
    const bool tube = r.setting.kase == Case::Tube;
    for (const char* name : {"--tube-condition", "--correlation"})
        if (given(o, name) && !tube) usageError(std::string(name) + " is for tube only");
}

Request parse(const Options& o) {
    refuseOthers(o);
    Request r;
    Setting& s = r.setting;
    const std::optional<Case> kase = caseNamed(*given(o, "--convection"));
    if (!kase) usageError("--convection takes " + caseNames());
    s.kase = *kase;
    const std::optional<Family> family = familyNamed(given(o, "--family") ? *given(o, "--family") : "");
    if (!family) usageError("--family must be GASES or LIQUIDOS");
    s.family = *family;
    if (!given(o, "--fluid")) usageError("--fluid is required");
    s.fluid = *given(o, "--fluid");
    s.units = unitsOf(o);
    s.wall = choice(o, "--tube-condition", {{"temperature", WallCondition::Temperature}, {"flux", WallCondition::Flux}},
                    WallCondition::Temperature);
    s.tube = choice(o, "--correlation",
                    {{"gnielinski", TubeCorrelation::Gnielinski}, {"dittus-boelter", TubeCorrelation::DittusBoelter}},
                    TubeCorrelation::Gnielinski);
    if (given(o, "--vary") != nullptr) {
        r.vary = variableNamed(*given(o, "--vary"));
        if (!r.vary) usageError("--vary must be velocity, length, diameter or surface-temp");
        if (!hasVariable(s.kase, *r.vary))
            usageError(std::string(info(s.kase).name) + " has no " + std::string(variableName(*r.vary)) + " to vary");
    }
    if ((given(o, "--vary") != nullptr) != (given(o, "--sweep") != nullptr)) usageError("--vary and --sweep go together");
    if (r.vary) r.sweep = *given(o, "--sweep");
    takeInputs(o, r);
    r.csv = given(o, "--format") != nullptr;
    r.dbDir = QString::fromStdString(given(o, "--db-dir") ? *given(o, "--db-dir") : "");
    return r;
}

// The values of FROM:TO:STEP; nullopt when a part is not a number.
std::optional<std::vector<double>> sweepValues(const std::string& text, bool decimalComma) {
    std::vector<std::optional<double>> parts;
    std::size_t start = 0;
    for (std::size_t colon; (colon = text.find(':', start)) != std::string::npos; start = colon + 1)
        parts.push_back(parseNumber(text.substr(start, colon - start), decimalComma));
    parts.push_back(parseNumber(text.substr(start), decimalComma));
    if (parts.size() != 3) usageError("--sweep takes FROM:TO:STEP");
    if (!parts[0] || !parts[1] || !parts[2]) return std::nullopt;
    const std::optional<double> steps = sweepSteps(*parts[0], *parts[1], *parts[2]);
    if (!steps) usageError("--sweep: STEP must be non-zero and lead from FROM to TO");
    if (*steps + 1 > static_cast<double>(kMaxValues))
        usageError("--sweep gives more than " + std::to_string(kMaxValues) + " values");
    return sweepTemperatures(*parts[0], *parts[2], sweepCount(*steps));
}

}  // namespace

int runConvection(const Options& options, std::ostream& out, std::ostream& err) {
    Request r = parse(options);
    const bool decimalComma = regionalDecimalComma();
    std::vector<double> values;
    if (r.vary) {
        const std::optional<std::vector<double>> v = sweepValues(r.sweep, decimalComma);
        if (!v) {
            err << velm::msg::kNotANumber << '\n';
            return 1;
        }
        values = *v;
        // The first value stands in for the input varied, so that it is refused as typed.
        std::string& text = *r.vary == Variable::Velocity      ? r.texts.velocity
                            : *r.vary == Variable::SurfaceTemp ? r.texts.surface
                                                               : r.texts.length;
        text = shortestText(values.front());
    }
    const Entry e = acceptEntry(r.setting, r.texts, decimalComma);
    if (e.refused != Field::None) {
        err << e.message << '\n';
        return 1;
    }
    StorePointSource source{DatabaseFiles(r.dbDir)};
    FluidProperties fluid(r.setting.family, r.setting.fluid, e.pressure, source);

    Sweep s;
    if (r.vary) {
        s = runSweep(fluid, e.inputs, *r.vary, values, r.setting.units);
    } else {
        Outcome o = calculate(fluid, e.inputs);
        s.stop = o.stop;
        s.message = std::move(o.message);
        s.warnings = o.result.warnings;
        s.rows.push_back(std::move(o.result));
    }
    if (s.stop != Stop::None) {
        err << s.message << '\n';
        return 1;
    }
    for (const std::string& w : s.warnings) err << w << '\n';
    if (r.csv) out << csvHeading();
    Inputs in = e.inputs;
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
        if (r.csv) {
            out << csvRow(r.setting, s.rows[i]);
            continue;
        }
        if (r.vary) setVariable(in, *r.vary, values[i], r.setting.units);
        Result quiet = s.rows[i];
        quiet.warnings.clear();  // on standard error already
        out << (i ? "\n" : "") << derivationText({r.setting, in, e.pressure, &quiet});
    }
    return 0;
}

std::string convectionUsage() {
    // The case names, in lines of at most 90 columns under the option's text.
    const std::string indent(28, ' ');
    std::string cases;
    std::size_t column = indent.size();
    for (const CaseInfo& c : velm::convection::cases()) {
        const std::string word = std::string(c.name) + (&c == &velm::convection::cases().back() ? "." : ",");
        if (column + 1 + word.size() > 90) {
            cases += "\n" + indent;
            column = indent.size();
        } else if (!cases.empty()) {
            cases += ' ';
            ++column;
        }
        cases += word;
        column += word.size();
    }
    return R"(Convection coefficients (the properties from the same engine and tables):
  velmorantes-calc --family F --fluid NAME --convection CASE --surface-temp TS
                   --fluid-temp TINF (--length L | --diameter D) [--velocity V]
                   [--pressure P] [--units SI|INGLES] [--scale ...]
                   [--tube-condition temperature|flux] [--correlation gnielinski|dittus-boelter]
                   [--vary velocity|length|diameter|surface-temp --sweep FROM:TO:STEP]
                   [--format csv]

  --convection CASE         )" + cases + R"(
  --surface-temp TS         the surface temperature, in the scale of --scale.
  --fluid-temp TINF         the free-stream temperature (for tube, the mean fluid temperature).
  --length L                the plate's length (vertical-plate: its height; horizontal plates:
                            area over perimeter, or give --area A and --perimeter P).
  --diameter D              cylinder, sphere, tube, horizontal-cylinder, sphere-free.
  --velocity V              forced flow only (m/s, ft/s under INGLES); lengths in m or ft.
  --tube-condition          laminar tube flow: uniform surface temperature (default) or flux.
  --correlation             turbulent tube flow: gnielinski (default) or dittus-boelter.
  --vary X --sweep F:T:S    one calculation per value of X, instead of the one given.
  --format csv              CASO,CORRELACION,T_PROPIEDADES,DEN,CP,MIU,UN,K,ALFA,PR,BETA,MIU_S,
                            RE,GR,RA,NU,H,Q: one row per calculation, full precision, in the
                            units chosen (h in W/(m^2.K) or Btu/(h.ft^2.F), q in W/m^2 or
                            Btu/(h.ft^2)); a field that does not apply is empty.
Without --format the derivation is printed step by step. A correlation used outside its
stated range is warned about on standard error, and still computed.
)";
}

}  // namespace velm
