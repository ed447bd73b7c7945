#include "cli/Calculator.h"

#include "cli/Convection.h"

#include "engine/Catalogue.h"
#include "engine/Entry.h"
#include "engine/Messages.h"
#include "engine/Properties.h"
#include "engine/ResultsLine.h"
#include "engine/Sweep.h"
#include "engine/SweepPlot.h"
#include "engine/SweepText.h"
#include "engine/UserError.h"
#include "plot/Chart.h"
#include "store/FluidStore.h"
#include "store/ResultsFile.h"

#include <QSize>
#include <QString>
#include <QStringList>

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

// "DEN, CP, MIU, UN, K, ALFA, PR or, for liquids, BETA"
std::string columnList() {
    std::string text;
    for (const PropertyInfo& p : propertiesOf(Family::Gases)) text += std::string(p.column) + ", ";
    text.resize(text.size() - 2);
    return text + " or, for liquids, " + std::string(info(Property::BETA).column);
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
  --format csv|tsv|results  print the table in another form, once every temperature is
                            done: csv (a heading row, "." decimals, every value to full
                            precision, and where each row came from), tsv (the same
                            separated by tabs, with the locale's decimal separator, as
                            the table screen copies it for a spreadsheet) or results (the
                            results file's bytes: Latin-1, CR LF).
  --plot PROPERTY           draw PROPERTY against the temperature into --plot-file:
                            )" + columnList() + R"(.
  --plot-file FILE          the picture, PNG or SVG after its ending; it replaces FILE
                            only once complete. No display is needed.
  --plot-size WxH           its size in pixels, 100 to 10000 each (default 800x600).
  --plot-axis linear|log    the value axis (default linear; log leaves out values <= 0).
  --help                    print this help and stop.
  --version                 print the version and stop.

Numbers take "." as the decimal point; a comma is accepted instead only under a locale
that writes numbers with one; digit grouping never. A built-in fluid outside its
correlation range is warned about and evaluated from its stored table, like any other
fluid. Messages go to standard error.

Exit status: 0 every value computed; 1 an entry refused or a value not computed; 2 a usage
error.

)" + convectionUsage();
}

const std::set<std::string> kOptions{"--family",   "--fluid",     "--temp",      "--sweep",
                                     "--scale",    "--pressure",  "--units",     "--output",
                                     "--db-dir",   "--format",    "--plot",      "--plot-file",
                                     "--plot-size", "--plot-axis",
                                     // the convection mode's
                                     "--convection", "--surface-temp", "--fluid-temp", "--length", "--diameter",
                                     "--area", "--perimeter", "--velocity", "--tube-condition", "--correlation",
                                     "--vary"};

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

// The temperatures of FROM:TO:STEP; nullopt: a part is not a number (the entry is refused,
// not misused).
std::optional<std::vector<double>> parseSweep(const std::string& text, bool decimalComma) {
    const auto a = text.find(':');
    const auto b = a == std::string::npos ? a : text.find(':', a + 1);
    if (b == std::string::npos || text.find(':', b + 1) != std::string::npos)
        throw UsageError{"--sweep takes FROM:TO:STEP"};
    const auto from = parseNumber(text.substr(0, a), decimalComma);
    const auto to = parseNumber(text.substr(a + 1, b - a - 1), decimalComma);
    const auto step = parseNumber(text.substr(b + 1), decimalComma);
    if (!from || !to || !step) return std::nullopt;
    const std::optional<double> steps = sweepSteps(*from, *to, *step);
    if (!steps) throw UsageError{"--sweep: STEP must be non-zero and lead from FROM to TO"};
    if (*steps + 1 > static_cast<double>(kMaxSweep))
        throw UsageError{"--sweep gives more than " + std::to_string(kMaxSweep) +
                         " temperatures"};
    return sweepTemperatures(*from, *step, sweepCount(*steps));
}

enum class Format { Lines, Csv, Tsv, Results };

// What --plot asks for.
struct PlotRequest {
    Property property = Property::DEN;
    QString file;
    ImageFormat format = ImageFormat::Png;
    QSize size{800, 600};
    bool logAxis = false;
};

std::optional<PlotRequest> parsePlot(const Options& o, Family family) {
    const auto property = option(o, "--plot");
    const auto file = option(o, "--plot-file");
    if (!property && !file) {
        for (const char* name : {"--plot-size", "--plot-axis"})
            if (option(o, name)) throw UsageError{std::string(name) + " needs --plot"};
        return std::nullopt;
    }
    if (!property || !file) throw UsageError{"--plot and --plot-file go together"};
    PlotRequest p;
    bool known = false;
    for (const PropertyInfo& candidate : propertiesOf(family))
        if (candidate.column == *property) {
            p.property = candidate.id;
            known = true;
        }
    if (!known)
        throw UsageError{"--plot takes " + columnList() + " (the " + std::string(familyName(family)) +
                         " family has no " + *property + ")"};
    p.file = QString::fromStdString(*file);
    const std::optional<ImageFormat> format = imageFormatFor(p.file);
    if (!format) throw UsageError{"--plot-file must end in .png or .svg"};
    p.format = *format;
    if (const auto size = option(o, "--plot-size")) {
        const QStringList wh = QString::fromStdString(*size).split(QLatin1Char('x'));
        bool okW = false, okH = false;
        const int w = wh.size() == 2 ? wh[0].toInt(&okW) : 0;
        const int h = wh.size() == 2 ? wh[1].toInt(&okH) : 0;
        if (!okW || !okH || w < 100 || h < 100 || w > 10000 || h > 10000)
            throw UsageError{"--plot-size takes WIDTHxHEIGHT, each 100 to 10000 pixels"};
        p.size = QSize(w, h);
    }
    const std::string axis = option(o, "--plot-axis").value_or("linear");
    if (axis != "linear" && axis != "log") throw UsageError{"--plot-axis must be linear or log"};
    p.logAxis = axis == "log";
    return p;
}

// What the arguments ask for, checked for everything but the numbers' texts.
struct Request {
    Family family = Family::Gases;
    std::string fluid, units, scale;
    std::optional<std::string> temperature, sweep, pressure, output;
    QString dbDir;
    Format format = Format::Lines;
    std::optional<PlotRequest> plot;
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
    if (const auto format = option(o, "--format")) {
        if (*format == "csv") r.format = Format::Csv;
        else if (*format == "tsv") r.format = Format::Tsv;
        else if (*format == "results") r.format = Format::Results;
        else throw UsageError{"--format must be csv, tsv or results"};
    }
    r.plot = parsePlot(o, r.family);
    return r;
}

// The values lines of every temperature asked for, printed as each is done; the heading
// once the first line stands.
struct Lines {
    std::string fileLines;  // results-file format
    bool headed = false;
    int status = 0;
};

Lines evaluateAll(const Request& r, const SweepRequest& request, std::ostream& out,
                  StreamNotifier& notifier, SweepTable& table) {
    // The folder is resolved now, as the program resolves it at its start.
    StorePointSource source(DatabaseFiles(r.dbDir));
    Lines lines;
    const auto printRow = [&](const SweepTable& t, std::size_t row) {
        if (!t.computed(row)) return;
        const std::string line = valuesLine(request.family, t.entered[row], t.values[row]);
        if (r.format == Format::Lines) {
            if (!lines.headed) out << headingLine(request.family, request.english, request.scale) << '\n';
            out << line << '\n';
        }
        lines.headed = true;
        if (r.output) lines.fileLines += toFileLine(line);
    };
    table = runSweep(request, source, &notifier, printRow);
    if (table.stop != SweepStop::None || table.count(RowOutcome::Computed) != table.rows())
        lines.status = 1;
    return lines;
}

// Appends the lines to the results file in one write; a new or empty file gets the heading.
bool appendToOutput(const std::string& path, const SweepRequest& r, const std::string& fileLines,
                    StreamNotifier& notifier) {
    try {
        // The heading goes in only when the file is still empty, decided under the file's lock.
        appendToResultsFile(QString::fromStdString(path), toFileLine(headingLine(r.family, r.english, r.scale)),
                            fileLines);
        return true;
    } catch (const UserError& e) {
        notifier.inform(std::string(e.what()));
        return false;
    }
}

int calculate(const Request& r, std::ostream& out, std::ostream& err) {
    const bool decimalComma = regionalDecimalComma();
    StreamNotifier notifier(err);
    SweepRequest request;
    request.family = r.family;
    request.fluid = r.fluid;
    request.english = r.units == kEnglish;
    request.scale = r.scale;

    if (r.sweep) {
        std::optional<std::vector<double>> temperatures = parseSweep(*r.sweep, decimalComma);
        if (!temperatures) {
            notifier.inform(msg::kNotANumber);
            return 1;
        }
        request.temperatures = std::move(*temperatures);
    }
    if (r.pressure) {
        Module1 m;
        m.UNIDADES = r.units;
        const PressureOutcome p = acceptPressure(m, *r.pressure, decimalComma);
        if (p != PressureOutcome::Accepted) {
            notifier.inform(refusal(p));
            return 1;
        }
        request.pressure = *m.PRESION;
        request.pressureText = *r.pressure;
    }
    if (r.temperature) {
        const std::optional<double> t = parseNumber(*r.temperature, decimalComma);
        if (!t) {
            notifier.inform(refusal(TemperatureOutcome::NotANumber));
            return 1;
        }
        request.temperatures = {*t};
    }

    SweepTable table;
    Lines lines = evaluateAll(r, request, out, notifier, table);
    if (lines.headed) {
        if (r.format == Format::Csv) out << csvText(table);
        if (r.format == Format::Tsv) out << tsvText(table, decimalComma);
        if (r.format == Format::Results) out << resultsFileText(table);
    }
    if (r.output && lines.headed && !appendToOutput(*r.output, request, lines.fileLines, notifier))
        lines.status = 1;
    if (r.plot && lines.headed) {
        try {
            saveChart(plotData(table, r.plot->property, r.plot->logAxis), r.plot->file,
                      r.plot->format, r.plot->size);
        } catch (const UserError& e) {
            notifier.inform(std::string(e.what()));
            lines.status = 1;
        }
    }
    return lines.status;
}

}  // namespace

bool wantsPlot(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--plot" || a.rfind("--plot=", 0) == 0) return true;
    return false;
}

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
        const Options options = parseOptions(args);
        if (options.count("--convection")) return runConvection(options, out, err);
        return calculate(parseRequest(options), out, err);
    } catch (const UsageError& e) {
        err << "velmorantes-calc: " << e.problem << "\n\n" << usage();
        return 2;
    } catch (const ConvectionUsageError& e) {
        err << "velmorantes-calc: " << e.problem << "\n\n" << usage();
        return 2;
    }
}

}  // namespace velm
