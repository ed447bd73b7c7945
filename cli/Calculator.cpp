#include "cli/Calculator.h"

#include "cli/Convection.h"

#include "engine/Catalogue.h"
#include "engine/Entry.h"
#include "engine/Properties.h"
#include "engine/ResultsLine.h"
#include "engine/Sweep.h"
#include "engine/SweepPlot.h"
#include "engine/SweepText.h"
#include "engine/UserError.h"
#include "i18n/MessageText.h"
#include "i18n/Shown.h"
#include "i18n/qt/Text.h"
#include "i18n/qt/Translations.h"
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

QString say(const char* source, std::initializer_list<QString> values = {}) {
    return translated("velm::calc", source, values);
}

// The --fluid option: every built-in name, by family, from the catalogue.
std::string fluidOption() {
    QString names;
    for (const Family family : kFamilies) {
        if (family != kFamilies.front()) names += QStringLiteral("; ");
        names += qs(familyName(family)) + QLatin1Char(':');
        for (const BuiltInFluid& f : builtInFluids(family)) names += QLatin1Char(' ') + qs(f.name) + QLatin1Char(',');
        names.chop(1);
    }
    return wrapped(say(QT_TRANSLATE_NOOP("velm::calc", "  --fluid NOMBRE            ")).toStdString(),
                   say(QT_TRANSLATE_NOOP("velm::calc", "un fluido incorporado, con su nombre exacto, mayúsculas y "
                                                      "minúsculas incluidas (%1), o el título de una tabla guardada en "
                                                      "el archivo de base de datos de la familia."),
                      {names})
                       .toStdString());
}

// "D, Cp, V.AB., V.CI., K, ALFA, Pr y, para líquidos, BETA": the results file's headings.
QString propertyList() {
    QString text;
    for (const PropertyInfo& p : propertiesOf(Family::Gases)) text += qs(p.symbol) + QStringLiteral(", ");
    text.chop(2);
    return say(QT_TRANSLATE_NOOP("velm::calc", "%1 y, para líquidos, %2"), {text, qs(info(Property::BETA).symbol)});
}

// "DEN, CP, MIU, UN, K, ALFA, PR o, para líquidos, BETA"
QString columnList() {
    QString text;
    for (const PropertyInfo& p : propertiesOf(Family::Gases)) text += qs(p.column) + QStringLiteral(", ");
    text.chop(2);
    return say(QT_TRANSLATE_NOOP("velm::calc", "%1 o, para líquidos, %2"), {text, qs(info(Property::BETA).column)});
}

std::string usage() {
    return say(QT_TRANSLATE_NOOP("velm::calc", R"(Modo de empleo: velmorantes-calc --family FAMILIA --fluid NOMBRE --temp VALOR [OPCIÓN]...
  o:  velmorantes-calc --family FAMILIA --fluid NOMBRE --sweep DESDE:HASTA:PASO [OPCIÓN]...

Calcula las propiedades de un fluido como la pantalla de propiedades de VELMORANTES e
imprime la línea de encabezado del archivo de resultados y después una línea de valores
por temperatura (separados por comas, UTF-8): T tal como se dio, %1.

  --family GASES|LIQUIDOS   la familia del fluido.
%2  --temp VALOR              la temperatura, en la escala de --scale.
  --sweep DESDE:HASTA:PASO  las temperaturas DESDE, DESDE+PASO, ... hasta HASTA incluida.
  --scale K|ºC|ºF           K o ºC (también C) en unidades SI, ºF (también F) en unidades
                            inglesas; por omisión K en SI y ºF en INGLES. ºC suma 273 y
                            ºF da (F - 32) * 5 / 9 + 273.
  --pressure VALOR          la presión absoluta, solo para gases y obligatoria para ellos:
                            kPa en unidades SI, psi en unidades inglesas (14.696 psi =
                            101.3 kPa).
  --units SI|INGLES         el sistema de unidades de los resultados (por omisión SI;
                            ENGLISH vale por INGLES).
  --output ARCHIVO          añade además los resultados a ARCHIVO en el formato del
                            archivo de resultados (Latin-1, CR LF); un archivo nuevo o
                            vacío recibe antes el encabezado.
  --db-dir CARPETA          la carpeta de GASES.mdb y LIQUIDOS.mdb (por omisión, la
                            carpeta actual).
  --format csv|tsv|results  imprime la tabla de otra forma, una vez hechas todas las
                            temperaturas: csv (una fila de encabezado, decimales con ".",
                            cada valor con toda su precisión y de dónde salió cada fila),
                            tsv (lo mismo separado por tabuladores, con el separador
                            decimal de la configuración regional, como la pantalla de
                            tablas lo copia para una hoja de cálculo) o results (los
                            bytes del archivo de resultados: Latin-1, CR LF).
  --plot PROPIEDAD          dibuja PROPIEDAD frente a la temperatura en --plot-file:
                            %3.
  --plot-file ARCHIVO       la imagen, PNG o SVG según su terminación; sustituye a
                            ARCHIVO solo cuando está completa. No hace falta pantalla.
  --plot-size ANxAL         su tamaño en píxeles, de 100 a 10000 cada uno (por omisión
                            800x600).
  --plot-axis linear|log    el eje de valores (por omisión linear; log deja fuera los
                            valores <= 0).
  --language es|en          el idioma de los mensajes y de esta ayuda (por omisión, el de
                            la configuración regional: LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
  --help                    muestra esta ayuda y termina.
  --version                 muestra la versión y termina.

Los números llevan "." como separador decimal; se acepta en su lugar una coma solo con una
configuración regional que escribe así los números; nunca separadores de miles. Un fluido
incorporado fuera del rango de su correlación recibe un aviso y se evalúa con su tabla
guardada, como cualquier otro fluido. Los mensajes van a la salida de error.

Estado de salida: 0 todos los valores calculados; 1 una entrada rechazada o un valor no
calculado; 2 un error de uso.
)"),
              {propertyList(), QString::fromStdString(fluidOption()), columnList()})
               .toStdString() +
           "\n" + convectionUsage();
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

UsageError usageError(const char* source, std::initializer_list<QString> values = {}) {
    return {say(source, values).toStdString()};
}

class StreamNotifier : public Notifier {
public:
    explicit StreamNotifier(std::ostream& err) : err_(err) {}
    void inform(const Message& m) override { inform(messageText(m)); }
    void inform(const std::string& text) { err_ << text << '\n'; }

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
        if (!kOptions.count(name)) throw usageError(QT_TRANSLATE_NOOP("velm::calc", "ARGUMENTO DESCONOCIDO '%1'"), {qs(args[i])});
        if (!inlineValue) {
            if (i + 1 == args.size()) throw usageError(QT_TRANSLATE_NOOP("velm::calc", "%1 NECESITA UN VALOR"), {qs(name)});
            value = args[++i];
        }
        if (!options.emplace(name, value).second) throw usageError(QT_TRANSLATE_NOOP("velm::calc", "%1 SE DIO DOS VECES"), {qs(name)});
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
    if (const auto s = scaleNamed(*given); s && (*s == "ºF") == english) return std::string(*s);
    throw usageError(english ? QT_TRANSLATE_NOOP("velm::calc", "--scale %1 NO SE OFRECE EN UNIDADES INGLES (USE ºF)") : QT_TRANSLATE_NOOP("velm::calc", "--scale %1 NO SE OFRECE EN UNIDADES SI (USE K O ºC)"), {qs(*given)});
}

// The temperatures of FROM:TO:STEP; nullopt: a part is not a number (the entry is refused,
// not misused).
std::optional<std::vector<double>> parseSweep(const std::string& text, bool decimalComma) {
    RangeText r = readRange(text, decimalComma, kMaxSweep);
    switch (r.problem) {
        case RangeProblem::None: break;
        case RangeProblem::NotANumber: return std::nullopt;
        case RangeProblem::Form: throw usageError(QT_TRANSLATE_NOOP("velm::calc", "--sweep LLEVA DESDE:HASTA:PASO"));
        case RangeProblem::Direction:
            throw usageError(QT_TRANSLATE_NOOP("velm::calc", "--sweep: EL PASO NO PUEDE SER CERO Y DEBE LLEVAR DE DESDE A HASTA"));
        case RangeProblem::TooMany:
            throw usageError(QT_TRANSLATE_NOOP("velm::calc", "--sweep DA MAS DE %1 TEMPERATURAS"), {QString::number(kMaxSweep)});
    }
    return std::move(r.values);
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
            if (option(o, name)) throw usageError(QT_TRANSLATE_NOOP("velm::calc", "%1 NECESITA --plot"), {QString::fromLatin1(name)});
        return std::nullopt;
    }
    if (!property || !file) throw usageError(QT_TRANSLATE_NOOP("velm::calc", "--plot Y --plot-file VAN JUNTAS"));
    PlotRequest p;
    bool known = false;
    for (const PropertyInfo& candidate : propertiesOf(family))
        if (candidate.column == *property) {
            p.property = candidate.id;
            known = true;
        }
    if (!known)
        throw usageError(QT_TRANSLATE_NOOP("velm::calc", "--plot LLEVA %1 (LA FAMILIA %2 NO TIENE %3)"), {columnList(), qs(familyName(family)), qs(*property)});
    p.file = QString::fromStdString(*file);
    const std::optional<ImageFormat> format = imageFormatFor(p.file);
    if (!format) throw usageError(QT_TRANSLATE_NOOP("velm::calc", "--plot-file DEBE TERMINAR EN .png O .svg"));
    p.format = *format;
    if (const auto size = option(o, "--plot-size")) {
        const QStringList wh = QString::fromStdString(*size).split(QLatin1Char('x'));
        bool okW = false, okH = false;
        const int w = wh.size() == 2 ? wh[0].toInt(&okW) : 0;
        const int h = wh.size() == 2 ? wh[1].toInt(&okH) : 0;
        if (!okW || !okH || w < 100 || h < 100 || w > 10000 || h > 10000)
            throw usageError(QT_TRANSLATE_NOOP("velm::calc", "--plot-size LLEVA ANCHOxALTO, CADA UNO DE 100 A 10000 PIXELES"));
        p.size = QSize(w, h);
    }
    const std::string axis = option(o, "--plot-axis").value_or("linear");
    if (axis != "linear" && axis != "log") throw usageError(QT_TRANSLATE_NOOP("velm::calc", "--plot-axis DEBE SER linear O log"));
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
    if (!family) throw usageError(QT_TRANSLATE_NOOP("velm::calc", "--family DEBE SER GASES O LIQUIDOS"));
    r.family = *family;
    if (!option(o, "--fluid")) throw usageError(QT_TRANSLATE_NOOP("velm::calc", "FALTA --fluid"));
    r.fluid = *option(o, "--fluid");
    r.temperature = option(o, "--temp");
    r.sweep = option(o, "--sweep");
    if (r.temperature.has_value() == r.sweep.has_value())
        throw usageError(QT_TRANSLATE_NOOP("velm::calc", "INDIQUE --temp O --sweep, UNA DE LAS DOS"));
    r.units = option(o, "--units").value_or(kSI);
    if (r.units == "ENGLISH") r.units = kEnglish;  // the English name of the same units
    if (r.units != kSI && r.units != kEnglish) throw usageError(QT_TRANSLATE_NOOP("velm::calc", "--units DEBE SER SI O INGLES"));
    r.pressure = option(o, "--pressure");
    const bool gas = r.family == Family::Gases;
    if (gas && !r.pressure) throw usageError(QT_TRANSLATE_NOOP("velm::calc", "UN GAS NECESITA --pressure"));
    if (!gas && r.pressure) throw usageError(QT_TRANSLATE_NOOP("velm::calc", "--pressure ES SOLO PARA GASES"));
    r.scale = scaleFor(o, r.units == kEnglish);
    r.output = option(o, "--output");
    r.dbDir = QString::fromStdString(option(o, "--db-dir").value_or(""));
    if (const auto format = option(o, "--format")) {
        if (*format == "csv") r.format = Format::Csv;
        else if (*format == "tsv") r.format = Format::Tsv;
        else if (*format == "results") r.format = Format::Results;
        else throw usageError(QT_TRANSLATE_NOOP("velm::calc", "--format DEBE SER csv, tsv O results"));
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
            notifier.inform(message(MessageId::NotANumber));
            return 1;
        }
        request.temperatures = std::move(*temperatures);
    }
    if (r.pressure) {
        const PressureRule p = pressureRule(*r.pressure, request.english, decimalComma);
        if (p.outcome != PressureOutcome::Accepted) {
            notifier.inform(refusal(p.outcome));
            return 1;
        }
        request.pressure = p.kPa;
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
            saveChart(shownPlotData(table, r.plot->property, r.plot->logAxis), r.plot->file,
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

int runCalculator(const std::vector<std::string>& given, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args = given;
    try {
        const LanguageOption language = takeLanguageOption(args);
        if (language.wrong) throw UsageError{languageProblem(language)};
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
