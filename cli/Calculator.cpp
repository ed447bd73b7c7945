#include "cli/Calculator.h"

#include "engine/Catalogue.h"
#include "engine/Entry.h"
#include "engine/Evaluation.h"
#include "engine/Messages.h"
#include "engine/Properties.h"
#include "engine/ResultsLine.h"
#include "engine/UserError.h"
#include "store/FluidStore.h"
#include "store/ResultsFile.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <map>
#include <ostream>
#include <set>

namespace velm {
namespace {

// `text` in lines of at most 90 columns: the first after `lead`, the rest indented as far.
std::string wrapped(std::string_view lead, std::string_view text) {
    constexpr std::size_t kWidth = 90;
    std::string out(lead), word;
    std::size_t column = lead.size();
    bool lineEmpty = true;
    auto flush = [&] {
        if (word.empty()) return;
        if (!lineEmpty && column + 1 + word.size() > kWidth) {
            out += "\n" + std::string(lead.size(), ' ');
            column = lead.size();
            lineEmpty = true;
        }
        if (!lineEmpty) out += ' ', ++column;
        out += word;
        column += word.size();
        lineEmpty = false;
        word.clear();
    };
    for (const char c : text) {
        if (c == ' ') flush();
        else word += c;
    }
    flush();
    return out + "\n";
}

// The --fluid option: every built-in name, by family, from the catalogue.
std::string fluidOption() {
    std::string text = "a built-in fluid, matched exactly, letter case included (";
    for (const Family family : kFamilies) {
        if (family != kFamilies.front()) text += "; ";
        text += std::string(familyName(family)) + ":";
        for (const BuiltInFluid& f : builtInFluids(family)) text += " " + std::string(f.name) + ",";
        text.pop_back();
    }
    text += "), or the title of a table stored in the family's database file.";
    return wrapped("  --fluid NAME              ", text);
}

// "D, Cp, V.AB., V.CI., K, ALFA, Pr and, for liquids, BETA"
std::string propertyList() {
    std::string text;
    for (const PropertyInfo& p : propertiesOf(Family::Gases)) text += std::string(p.symbol) + ", ";
    text.resize(text.size() - 2);
    return text + " and, for liquids, " + std::string(info(Property::BETA).symbol);
}

std::string usage() {
    return R"(Usage: velmorantes-calc --family FAMILY --fluid NAME --temp VALUE [OPTION]...
  or:  velmorantes-calc --family FAMILY --fluid NAME --sweep FROM:TO:STEP [OPTION]...

Computes the properties of a fluid as the VELMORANTES property screen does and prints the
heading line of the results file, then one values line per temperature (comma-separated,
UTF-8): T as given, )" + propertyList() + R"(.

  --family GASES|LIQUIDOS   the fluid family.
)" + fluidOption() +
           R"(  --temp VALUE              the temperature, in the scale of --scale.
  --sweep FROM:TO:STEP      the temperatures FROM, FROM+STEP, ... up to TO included.
  --scale K|ºC|ºF           K or ºC (also C) under SI units, ºF (also F) under English
                            units; default K under SI, ºF under INGLES. ºC adds 273 and
                            ºF gives (F - 32) * 5 / 9 + 273.
  --pressure VALUE          the absolute pressure, gases only and required for them: kPa
                            under SI units, psi under English units (14.696 psi = 101.3 kPa).
  --units SI|INGLES         the unit system of the results (default SI).
  --output FILE             also append the results to FILE in the results-file format
                            (Latin-1, CR LF); a new or empty file gets the heading first.
  --db-dir DIR              the folder of GASES.mdb and LIQUIDOS.mdb (default: the
                            current folder).
  --help                    print this help and stop.
  --version                 print the version and stop.

Numbers take "." as the decimal point; a comma is accepted instead only under a locale
that writes numbers with one; digit grouping never. A built-in fluid outside its
correlation range is warned about and evaluated from its stored table, like any other
fluid. Messages go to standard error.

Exit status: 0 every value computed; 1 an entry refused or a value not computed; 2 a usage
error.
)";
}

const std::set<std::string> kOptions{"--family", "--fluid",  "--temp",   "--sweep", "--scale",
                                     "--pressure", "--units", "--output", "--db-dir"};

struct UsageError {
    std::string problem;
};

class StreamNotifier : public Notifier {
public:
    explicit StreamNotifier(std::ostream& err) : err_(err) {}
    void inform(const std::string& text) override { err_ << text << '\n'; }
    void inform(std::string_view text) { inform(std::string(text)); }

private:
    std::ostream& err_;
};

using Options = std::map<std::string, std::string>;

Options parseOptions(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i], value;
        const auto eq = name.find('=');
        const bool inlineValue = name.rfind("--", 0) == 0 && eq != std::string::npos;
        if (inlineValue) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (!kOptions.count(name)) throw UsageError{"unknown argument '" + args[i] + "'"};
        if (!inlineValue) {
            if (i + 1 == args.size()) throw UsageError{name + " needs a value"};
            value = args[++i];
        }
        if (!options.emplace(name, value).second) throw UsageError{name + " given twice"};
    }
    return options;
}

std::optional<std::string> option(const Options& o, const char* name) {
    const auto it = o.find(name);
    return it == o.end() ? std::nullopt : std::optional<std::string>(it->second);
}

// The scale text the property screen would hold: its own spellings, or the ASCII ones.
std::string scaleFor(const Options& o, bool english) {
    const auto given = option(o, "--scale");
    if (!given) return english ? "ºF" : "K";
    std::string s = *given;
    if (s == "C" || s == "°C") s = "ºC";
    if (s == "F" || s == "°F") s = "ºF";
    if (english ? s == "ºF" : (s == "K" || s == "ºC")) return s;
    throw UsageError{"--scale " + *given + " is not offered under " +
                     (english ? "INGLES units (use ºF)" : "SI units (use K or ºC)")};
}

struct Sweep {
    double from = 0, step = 0;
    std::size_t count = 0;
};

constexpr std::size_t kMaxSweep = 100000;

// nullopt: a part is not a number (the entry is refused, not misused).
std::optional<Sweep> parseSweep(const std::string& text, bool decimalComma) {
    const auto a = text.find(':');
    const auto b = a == std::string::npos ? a : text.find(':', a + 1);
    if (b == std::string::npos || text.find(':', b + 1) != std::string::npos)
        throw UsageError{"--sweep takes FROM:TO:STEP"};
    const auto from = parseNumber(text.substr(0, a), decimalComma);
    const auto to = parseNumber(text.substr(a + 1, b - a - 1), decimalComma);
    const auto step = parseNumber(text.substr(b + 1), decimalComma);
    if (!from || !to || !step) return std::nullopt;
    const double steps = (*to - *from) / *step;
    if (*step == 0 || !(steps >= -1e-9) || !std::isfinite(steps))
        throw UsageError{"--sweep: STEP must be non-zero and lead from FROM to TO"};
    if (steps + 1 > static_cast<double>(kMaxSweep))
        throw UsageError{"--sweep gives more than " + std::to_string(kMaxSweep) +
                         " temperatures"};
    return Sweep{*from, *step, static_cast<std::size_t>(std::floor(steps + 1e-9)) + 1};
}

// What the arguments ask for, checked for everything but the numbers' texts.
struct Request {
    Family family = Family::Gases;
    std::string fluid, units, scale;
    std::optional<std::string> temperature, sweep, pressure, output;
    QString dbDir;
};

Request parseRequest(const Options& o) {
    Request r;
    const std::optional<Family> family = familyNamed(option(o, "--family").value_or(""));
    if (!family) throw UsageError{"--family must be GASES or LIQUIDOS"};
    r.family = *family;
    if (!option(o, "--fluid")) throw UsageError{"--fluid is required"};
    r.fluid = *option(o, "--fluid");
    r.temperature = option(o, "--temp");
    r.sweep = option(o, "--sweep");
    if (r.temperature.has_value() == r.sweep.has_value())
        throw UsageError{"give either --temp or --sweep"};
    r.units = option(o, "--units").value_or(kSI);
    if (r.units != kSI && r.units != kEnglish) throw UsageError{"--units must be SI or INGLES"};
    r.pressure = option(o, "--pressure");
    const bool gas = r.family == Family::Gases;
    if (gas && !r.pressure) throw UsageError{"a gas needs --pressure"};
    if (!gas && r.pressure) throw UsageError{"--pressure is for gases only"};
    r.scale = scaleFor(o, r.units == kEnglish);
    r.output = option(o, "--output");
    r.dbDir = QString::fromStdString(option(o, "--db-dir").value_or(""));
    return r;
}

// The values lines of every temperature asked for; the heading once the first line stands.
struct Lines {
    std::string fileLines;  // results-file format
    bool headed = false;
    int status = 0;
};

Lines evaluateAll(const Request& r, Module1& m, const std::optional<Sweep>& sweep,
                  std::ostream& out, StreamNotifier& notifier) {
    // The folder is resolved now, as the program resolves it at its start.
    StorePointSource source(DatabaseFiles(r.dbDir));
    const bool decimalComma = regionalDecimalComma();
    Lines lines;
    const std::size_t count = sweep ? sweep->count : 1;
    for (std::size_t i = 0; i < count; ++i) {
        const TemperatureAcceptance accepted =
            sweep ? acceptTemperature(m, sweep->from + static_cast<double>(i) * sweep->step, r.scale)
                  : acceptTemperature(m, *r.temperature, r.scale, decimalComma);
        if (accepted.outcome != TemperatureOutcome::Accepted) {
            notifier.inform(refusal(accepted.outcome));
            lines.status = 1;
            continue;
        }
        if (!accepted.warning.empty()) notifier.inform(accepted.warning);
        const Evaluation e = runEvaluation(m, accepted.ENRANGO, source, notifier);
        if (e.outcome != EvaluationOutcome::Shown) {
            lines.status = 1;
            if (e.outcome == EvaluationOutcome::NotComputable) continue;
            break;  // no other temperature fares better
        }
        if (!lines.headed) out << headingLine(m) << '\n';
        lines.headed = true;
        const std::string line = valuesLine(m);
        out << line << '\n';
        if (r.output) lines.fileLines += toFileLine(line);
    }
    return lines;
}

// Appends the lines to the results file in one write; a new or empty file gets the heading.
bool appendToOutput(const std::string& path, const Module1& m, const std::string& fileLines,
                    StreamNotifier& notifier) {
    const QString file = QString::fromStdString(path);
    try {
        const std::string heading = resultsFileIsEmpty(file) ? toFileLine(headingLine(m)) : std::string();
        appendToResultsFile(file, heading + fileLines);
        return true;
    } catch (const UserError& e) {
        notifier.inform(std::string(e.what()));
        return false;
    }
}

int calculate(const Request& r, std::ostream& out, std::ostream& err) {
    Module1 m;
    m.UNIDADES = r.units;
    m.FAMILIA = r.family;
    m.FLUIDO = r.fluid;
    const bool decimalComma = regionalDecimalComma();
    StreamNotifier notifier(err);

    std::optional<Sweep> sweep;
    if (r.sweep) {
        sweep = parseSweep(*r.sweep, decimalComma);
        if (!sweep) {
            notifier.inform(msg::kNotANumber);
            return 1;
        }
    }
    if (r.pressure) {
        const PressureOutcome p = acceptPressure(m, *r.pressure, decimalComma);
        if (p != PressureOutcome::Accepted) {
            notifier.inform(refusal(p));
            return 1;
        }
    }

    Lines lines = evaluateAll(r, m, sweep, out, notifier);
    if (r.output && lines.headed && !appendToOutput(*r.output, m, lines.fileLines, notifier))
        lines.status = 1;
    return lines.status;
}

}  // namespace

int runCalculator(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        for (const std::string& a : args)
            if (a == "--help" || a == "-h") {
                out << usage();
                return 0;
            }
        if (std::find(args.begin(), args.end(), "--version") != args.end()) {
            out << "velmorantes-calc " VELM_VERSION "\n";
            return 0;
        }
        return calculate(parseRequest(parseOptions(args)), out, err);
    } catch (const UsageError& e) {
        err << "velmorantes-calc: " << e.problem << "\n\n" << usage();
        return 2;
    }
}

}  // namespace velm
