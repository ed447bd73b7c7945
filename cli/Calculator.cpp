#include "cli/Calculator.h"

#include "engine/Catalogue.h"
#include "engine/Entry.h"
#include "engine/Evaluation.h"
#include "store/FluidStore.h"
#include "engine/Messages.h"
#include "store/ResultsFile.h"
#include "engine/ResultsLine.h"
#include "engine/UserError.h"

#include <QString>

#include <cmath>
#include <map>
#include <ostream>
#include <set>

namespace velm {
namespace {

constexpr const char* kUsage = R"(Usage: velmorantes-calc --family GASES|LIQUIDOS --fluid NAME
                        (--temp VALUE | --sweep FROM:TO:STEP)
                        [--scale K|ºC|ºF] [--pressure VALUE] [--units SI|INGLES]
                        [--output FILE] [--db-dir DIR]

Computes the properties of a fluid as the VELMORANTES property screen does and prints the
heading line of the results file, then one values line per temperature (comma-separated,
UTF-8): T as given, D, Cp, V.AB., V.CI., K, ALFA, Pr and, for liquids, BETA.

  --family GASES|LIQUIDOS   the fluid family.
  --fluid NAME              a built-in fluid, matched exactly, letter case included:
                              GASES    AIRE AMONIACO CO CO2 HELIO HIDROGENO NITROGENO
                                       OXIGENO VAPOR
                              LIQUIDOS ACEITE AGUA AMONIACO CO2 FREON12 GLICERINA GLICOL
                                       MERCURIO SO2
                            or the title of a table stored in the family's database file.
  --temp VALUE              the temperature, in the scale of --scale.
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
  --help                    this text.

Numbers take "." as the decimal point; a comma is accepted instead only under a locale
that writes numbers with one; digit grouping never. A built-in fluid outside its
correlation range is warned about and evaluated from its stored table, like any other
fluid. Messages go to standard error.

Exit status: 0 every value computed; 1 an entry refused or a value not computed; 2 a usage
error.
)";

const std::set<std::string> kOptions{"--family", "--fluid",  "--temp",   "--sweep", "--scale",
                                     "--pressure", "--units", "--output", "--db-dir"};

struct UsageError {
    std::string problem;
};

class StreamNotifier : public Notifier {
public:
    explicit StreamNotifier(std::ostream& err) : err_(err) {}
    void inform(const std::string& text) override { err_ << text << '\n'; }

private:
    std::ostream& err_;
};

std::map<std::string, std::string> parseOptions(const std::vector<std::string>& args) {
    std::map<std::string, std::string> options;
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

// The scale text the property screen would hold: its own spellings, or the ASCII ones.
std::string scaleFor(const std::map<std::string, std::string>& o, bool english) {
    const auto it = o.find("--scale");
    if (it == o.end()) return english ? "ºF" : "K";
    std::string s = it->second;
    if (s == "C" || s == "°C") s = "ºC";
    if (s == "F" || s == "°F") s = "ºF";
    if (english ? s == "ºF" : (s == "K" || s == "ºC")) return s;
    throw UsageError{"--scale " + it->second + " is not offered under " +
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

int calculate(const std::map<std::string, std::string>& o, std::ostream& out,
              std::ostream& err) {
    auto value = [&o](const char* name) {
        const auto it = o.find(name);
        return it == o.end() ? std::optional<std::string>() : it->second;
    };
    const std::string family = value("--family").value_or("");
    if (family != kGases && family != kLiquids)
        throw UsageError{"--family must be GASES or LIQUIDOS"};
    if (!value("--fluid")) throw UsageError{"--fluid is required"};
    if (value("--temp").has_value() == value("--sweep").has_value())
        throw UsageError{"give either --temp or --sweep"};
    const std::string units = value("--units").value_or(kSI);
    if (units != kSI && units != kEnglish) throw UsageError{"--units must be SI or INGLES"};
    const bool gas = family == kGases;
    if (gas && !value("--pressure")) throw UsageError{"a gas needs --pressure"};
    if (!gas && value("--pressure")) throw UsageError{"--pressure is for gases only"};

    Module1 m;
    m.UNIDADES = units;
    m.FAMILIA = family;
    m.FLUIDO = *value("--fluid");
    const std::string scale = scaleFor(o, units == kEnglish);
    const bool decimalComma = regionalDecimalComma();
    StreamNotifier notifier(err);

    std::optional<Sweep> sweep;
    if (value("--sweep")) {
        sweep = parseSweep(*value("--sweep"), decimalComma);
        if (!sweep) {
            notifier.inform(std::string(msg::kNotANumber));
            return 1;
        }
    }
    if (gas) {
        switch (acceptPressure(m, *value("--pressure"), decimalComma)) {
            case PressureOutcome::NotANumber:
                notifier.inform(std::string(msg::kNotANumber));
                return 1;
            case PressureOutcome::Negative:
                notifier.inform(std::string(msg::kNegativePressure));
                return 1;
            case PressureOutcome::Accepted:
                break;
        }
    }

    // The folder is resolved now, as the program resolves it at its start.
    StorePointSource source(DatabaseFiles(QString::fromStdString(value("--db-dir").value_or(""))));
    const std::optional<std::string> output = value("--output");
    std::string fileLines;
    bool headed = false;
    int status = 0;
    const std::size_t count = sweep ? sweep->count : 1;
    for (std::size_t i = 0; i < count; ++i) {
        const TemperatureAcceptance accepted =
            sweep ? acceptTemperature(m, sweep->from + static_cast<double>(i) * sweep->step, scale)
                  : acceptTemperature(m, *value("--temp"), scale, decimalComma);
        if (accepted.outcome != TemperatureOutcome::Accepted) {
            notifier.inform(std::string(accepted.outcome == TemperatureOutcome::NotANumber
                                            ? msg::kNotANumber
                                            : msg::kTemperatureDoesNotExist));
            status = 1;
            continue;
        }
        if (!accepted.warning.empty()) notifier.inform(accepted.warning);
        const Evaluation e = runEvaluation(m, accepted.ENRANGO, source, notifier);
        if (e.outcome != EvaluationOutcome::Shown) {
            status = 1;
            if (e.outcome == EvaluationOutcome::NotComputable) continue;
            break;  // no other temperature fares better
        }
        if (!headed) out << headingLine(m) << '\n';
        headed = true;
        const std::string line = valuesLine(m);
        out << line << '\n';
        if (output) fileLines += toFileLine(line);
    }

    if (output && headed) {
        const QString path = QString::fromStdString(*output);
        try {
            appendToResultsFile(path, toFileLine(headingLine(m)), fileLines);
        } catch (const UserError& e) {
            notifier.inform(e.what());
            status = 1;
        }
    }
    return status;
}

}  // namespace

int runCalculator(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        for (const std::string& a : args)
            if (a == "--help" || a == "-h") {
                out << kUsage;
                return 0;
            }
        return calculate(parseOptions(args), out, err);
    } catch (const UsageError& e) {
        err << "velmorantes-calc: " << e.problem << "\n\n" << kUsage;
        return 2;
    }
}

}  // namespace velm
