#include "cli/Convection.h"

#include "convection/ConvectionEntry.h"
#include "i18n/Derivation.h"
#include "engine/Entry.h"
#include "engine/Sweep.h"
#include "engine/SweepText.h"
#include "i18n/MessageText.h"
#include "i18n/qt/Text.h"
#include "store/FluidStore.h"

#include <QString>

#include <optional>
#include <ostream>
#include <vector>

namespace velm {
namespace {

using namespace velm::convection;
using Options = std::map<std::string, std::string>;

QString say(const char* source, std::initializer_list<QString> values = {}) {
    return translated("velm::calc", source, values);
}

// The texts the property mode shares with this one (an option wrong in the same way) are the
// same source texts, so that they read, and are translated, alike.
[[noreturn]] void usageError(const char* source, std::initializer_list<QString> values = {}) {
    throw ConvectionUsageError{say(source, values).toStdString()};
}

const std::string* given(const Options& o, const std::string& name) {
    const auto it = o.find(name);
    return it == o.end() ? nullptr : &it->second;
}

// The options this mode does not take.
void refuseOthers(const Options& o) {
    for (const char* name : {"--temp", "--output", "--plot", "--plot-file", "--plot-size", "--plot-axis"})
        if (given(o, name)) usageError(QT_TRANSLATE_NOOP("velm::calc", "%1 NO SE USA CON --convection"), {qs(name)});
    if (const std::string* f = given(o, "--format"); f && *f != "csv")
        usageError(QT_TRANSLATE_NOOP("velm::calc", "--format CON --convection DEBE SER csv"));
}

QString caseNames() {
    QString names;
    for (const CaseInfo& c : cases()) names += (names.isEmpty() ? QString() : QStringLiteral(", ")) + qs(c.name);
    return names;
}

// The choice among fixed words of an option, or its default when not given.
template <class T>
T choice(const Options& o, const char* name, std::initializer_list<std::pair<const char*, T>> words, T fallback) {
    const std::string* v = given(o, name);
    if (!v) return fallback;
    QString all;
    for (const auto& [word, value] : words) {
        if (*v == word) return value;
        all += (all.isEmpty() ? QString() : QStringLiteral("|")) + QString::fromLatin1(word);
    }
    usageError(QT_TRANSLATE_NOOP("velm::calc", "%1 DEBE SER %2"), {QString::fromLatin1(name), all});
}

Units unitsOf(const Options& o) {
    Units u;
    // ENGLISH: the English name of the same units.
    const std::string* units = given(o, "--units");
    if (units && *units != kSI && *units != kEnglish && *units != "ENGLISH")
        usageError(QT_TRANSLATE_NOOP("velm::calc", "--units DEBE SER SI O INGLES"));
    u.english = units && *units != kSI;
    const std::string* scale = given(o, "--scale");
    u.scale = u.english ? "ºF" : "K";
    if (!scale) return u;
    if (const auto s = scaleNamed(*scale); s && (*s == "ºF") == u.english) {
        u.scale = std::string(*s);
        return u;
    }
    usageError(u.english ? QT_TRANSLATE_NOOP("velm::calc", "--scale %1 NO SE OFRECE EN UNIDADES INGLES (USE ºF)")
                         : QT_TRANSLATE_NOOP("velm::calc", "--scale %1 NO SE OFRECE EN UNIDADES SI (USE K O ºC)"),
               {qs(*scale)});
}

struct Request {
    Setting setting;
    EntryTexts texts;
    std::optional<Variable> vary;
    std::string sweep;
    bool csv = false;
    QString dbDir;
};

// Each input given exactly when the case takes it (the cases' table, Convection.h, says which);
// the one varied is not given. `notTaken` says why an input the case does not take is refused:
// a sentence with the option as %1 and the case's name as %2.
void takeInputs(const Options& o, Request& r) {
    const CaseInfo& c = info(r.setting.kase);
    const auto need = [&](const char* name, bool wanted, std::string& text, const char* notTaken) {
        const std::string* v = given(o, name);
        const bool varied = r.vary && variableName(*r.vary) == std::string_view(name).substr(2);
        if (v && !wanted) usageError(notTaken, {QString::fromLatin1(name), qs(c.name)});
        if (v && varied)
            usageError(QT_TRANSLATE_NOOP("velm::calc", "%1 SE VARIA CON --vary: INDIQUELO SOLO ALLI"),
                       {QString::fromLatin1(name)});
        if (!v && wanted && !varied)
            usageError(QT_TRANSLATE_NOOP("velm::calc", "%1 NECESITA %2"), {qs(c.name), QString::fromLatin1(name)});
        if (v) text = *v;
    };
    const char* const byCase = QT_TRANSLATE_NOOP("velm::calc", "%1 NO SE USA CON %2");
    need("--surface-temp", c.takes(Input::SurfaceTemp), r.texts.surface, byCase);
    need("--fluid-temp", c.takes(Input::FluidTemp), r.texts.fluid, byCase);
    need("--velocity", c.takes(Input::Velocity), r.texts.velocity,
         QT_TRANSLATE_NOOP("velm::calc", "%1 NO SE USA EN CONVECCION LIBRE"));
    const bool gas = r.setting.family == Family::Gases;
    need("--pressure", gas, r.texts.pressure, QT_TRANSLATE_NOOP("velm::calc", "--pressure ES SOLO PARA GASES"));
    // A horizontal plate takes L itself or its area and perimeter.
    const bool areaGiven = c.takes(Input::AreaAndPerimeter) && (given(o, "--area") || given(o, "--perimeter"));
    if (areaGiven && r.vary == Variable::Length)
        usageError(QT_TRANSLATE_NOOP("velm::calc", "--vary length VARIA L MISMA, NO --area NI --perimeter"));
    need("--diameter", c.takes(Input::Diameter), r.texts.length, byCase);
    need("--length", c.takes(Input::Length) && !areaGiven, r.texts.length,
         areaGiven ? QT_TRANSLATE_NOOP("velm::calc", "%1 NO SE USA CON --area Y --perimeter") : byCase);
    need("--area", areaGiven, r.texts.length, byCase);
    need("--perimeter", areaGiven, r.texts.perimeter, byCase);
    for (const auto& [name, input] :
         {std::pair{"--tube-condition", Input::TubeCondition}, std::pair{"--correlation", Input::TubeCorrelation}})
        if (given(o, name) && !c.takes(input))
            usageError(QT_TRANSLATE_NOOP("velm::calc", "%1 ES SOLO PARA tube"), {QString::fromLatin1(name)});
}

Request parse(const Options& o) {
    refuseOthers(o);
    Request r;
    Setting& s = r.setting;
    const std::optional<Case> kase = caseNamed(*given(o, "--convection"));
    if (!kase) usageError(QT_TRANSLATE_NOOP("velm::calc", "--convection LLEVA %1"), {caseNames()});
    s.kase = *kase;
    const std::optional<Family> family = familyNamed(given(o, "--family") ? *given(o, "--family") : "");
    if (!family) usageError(QT_TRANSLATE_NOOP("velm::calc", "--family DEBE SER GASES O LIQUIDOS"));
    s.family = *family;
    if (!given(o, "--fluid")) usageError(QT_TRANSLATE_NOOP("velm::calc", "FALTA --fluid"));
    s.fluid = *given(o, "--fluid");
    s.units = unitsOf(o);
    s.wall = choice(o, "--tube-condition", {{"temperature", WallCondition::Temperature}, {"flux", WallCondition::Flux}},
                    WallCondition::Temperature);
    s.tube = choice(o, "--correlation",
                    {{"gnielinski", TubeCorrelation::Gnielinski}, {"dittus-boelter", TubeCorrelation::DittusBoelter}},
                    TubeCorrelation::Gnielinski);
    if (given(o, "--vary") != nullptr) {
        r.vary = variableNamed(*given(o, "--vary"));
        if (!r.vary)
            usageError(QT_TRANSLATE_NOOP("velm::calc", "--vary DEBE SER velocity, length, diameter O surface-temp"));
        if (!hasVariable(s.kase, *r.vary))
            usageError(QT_TRANSLATE_NOOP("velm::calc", "%1 NO TIENE %2 QUE VARIAR"),
                       {qs(info(s.kase).name), qs(variableName(*r.vary))});
    }
    if ((given(o, "--vary") != nullptr) != (given(o, "--sweep") != nullptr))
        usageError(QT_TRANSLATE_NOOP("velm::calc", "--vary Y --sweep VAN JUNTAS"));
    if (r.vary) r.sweep = *given(o, "--sweep");
    takeInputs(o, r);
    r.csv = given(o, "--format") != nullptr;
    r.dbDir = QString::fromStdString(given(o, "--db-dir") ? *given(o, "--db-dir") : "");
    return r;
}

// The values of FROM:TO:STEP; nullopt when a part is not a number.
std::optional<std::vector<double>> sweepValues(const std::string& text, bool decimalComma) {
    RangeText r = readRange(text, decimalComma, kMaxValues);
    switch (r.problem) {
        case RangeProblem::None: break;
        case RangeProblem::NotANumber: return std::nullopt;
        case RangeProblem::Form: usageError(QT_TRANSLATE_NOOP("velm::calc", "--sweep LLEVA DESDE:HASTA:PASO"));
        case RangeProblem::Direction:
            usageError(QT_TRANSLATE_NOOP("velm::calc", "--sweep: EL PASO NO PUEDE SER CERO Y DEBE LLEVAR DE DESDE A HASTA"));
        case RangeProblem::TooMany:
            usageError(QT_TRANSLATE_NOOP("velm::calc", "--sweep DA MAS DE %1 VALORES"), {QString::number(kMaxValues)});
    }
    return std::move(r.values);
}

}  // namespace

int runConvection(const Options& options, std::ostream& out, std::ostream& err) {
    Request r = parse(options);
    const bool decimalComma = regionalDecimalComma();
    std::vector<double> values;
    if (r.vary) {
        const std::optional<std::vector<double>> v = sweepValues(r.sweep, decimalComma);
        if (!v) {
            err << messageText(message(MessageId::NotANumber)) << '\n';
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
        err << messageText(e.message) << '\n';
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
        err << messageText(s.message) << '\n';
        return 1;
    }
    // A sweep tells each warning once; a single calculation tells what it met, in order.
    if (r.vary)
        for (const std::string& w : distinctTexts(s.warnings)) err << w << '\n';
    else
        for (const Message& w : s.warnings) err << messageText(w) << '\n';
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
    return say(QT_TRANSLATE_NOOP("velm::calc", R"(Coeficientes de convección (las propiedades, del mismo motor y de las mismas tablas):
  velmorantes-calc --family F --fluid NOMBRE --convection CASO --surface-temp TS
                   --fluid-temp TINF (--length L | --diameter D) [--velocity V]
                   [--pressure P] [--units SI|INGLES] [--scale ...]
                   [--tube-condition temperature|flux]
                   [--correlation gnielinski|dittus-boelter]
                   [--vary velocity|length|diameter|surface-temp --sweep DESDE:HASTA:PASO]
                   [--format csv]

  --convection CASO         %1
  --surface-temp TS         la temperatura de la superficie, en la escala de --scale.
  --fluid-temp TINF         la temperatura del fluido lejos de la superficie (en tube, la
                            temperatura media del fluido).
  --length L                la longitud de la placa (vertical-plate: su altura; placas
                            horizontales: área entre perímetro, o dé --area A y
                            --perimeter P).
  --diameter D              cylinder, sphere, tube, horizontal-cylinder, sphere-free.
  --velocity V              solo en convección forzada (m/s, pie/s en INGLES); las
                            longitudes en m o pie.
  --tube-condition          flujo laminar en un tubo: temperatura de la superficie
                            uniforme (temperature, por omisión) o flujo de calor uniforme
                            (flux).
  --correlation             flujo turbulento en un tubo: gnielinski (por omisión) o
                            dittus-boelter.
  --vary X --sweep D:H:P    un cálculo por cada valor de X, en lugar del valor dado.
  --format csv              CASO,CORRELACION,T_PROPIEDADES,DEN,CP,MIU,UN,K,ALFA,PR,
                            BETA,MIU_S,RE,GR,RA,NU,H,Q: una fila por cálculo, con toda su
                            precisión, en las unidades elegidas (h en W/(m^2.K) o
                            Btu/(h.pie^2.ºF), q en W/m^2 o Btu/(h.pie^2)); un campo que no
                            corresponde queda vacío.
Sin --format se imprime la derivación paso a paso. Una correlación usada fuera de su rango
declarado recibe un aviso en la salida de error, y se calcula de todos modos.
)"),
               {QString::fromStdString(cases)})
        .toStdString();
}

}  // namespace velm
