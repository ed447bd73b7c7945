// The Python module `velmorantes`: the engine's sweep into NumPy arrays, convection
// coefficients as the calculator gives them, the store's fluid lists, and the program's
// refusals and warnings as Python exceptions and warnings. Every rule and every message is
// the engine's, the store's or the convection layer's; here are only the arrays.
#include "convection/Convection.h"
#include "convection/ConvectionEntry.h"
#include "i18n/Derivation.h"
#include "engine/Catalogue.h"
#include "engine/Entry.h"
#include "engine/Properties.h"
#include "engine/Sweep.h"
#include "engine/SweepText.h"
#include "i18n/MessageText.h"
#include "i18n/qt/Text.h"
#include "store/FluidStore.h"

#include <QByteArray>
#include <QFile>

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace py = pybind11;
using namespace velm;

namespace {

PyObject* gError = nullptr;
PyObject* gRangeWarning = nullptr;

// A message as text; a file name in it that is not UTF-8 keeps its bytes as escapes.
py::str text(const std::string& message) {
    return py::reinterpret_steal<py::str>(
        PyUnicode_DecodeUTF8(message.data(), py::ssize_t(message.size()), "surrogateescape"));
}

// An instance of `kind` with the message and its code (None for a refusal of the module's own).
py::object withCode(PyObject* kind, const std::string& message, const std::optional<std::string_view>& code) {
    py::object e = py::reinterpret_borrow<py::object>(kind)(text(message));
    if (code) e.attr("code") = py::str(code->data(), code->size());
    return e;
}

[[noreturn]] void raise(const std::string& message) {
    PyErr_SetObject(gError, withCode(gError, message, std::nullopt).ptr());
    throw py::error_already_set();
}

[[noreturn]] void raise(const Message& m) {
    PyErr_SetObject(gError, withCode(gError, messageText(m), messageCode(m.id)).ptr());
    throw py::error_already_set();
}

// The folder given (text, bytes or a path object), by its bytes on disk; None is the current
// folder, as for velmorantes-calc.
QString folderOf(const py::object& dbDir) {
    if (dbDir.is_none()) return {};
    // Looked up once; kept for the interpreter's life (never destroyed after it).
    static const auto* const fsencode = new py::object(py::module_::import("os").attr("fsencode"));
    const auto bytes = (*fsencode)(dbDir).cast<std::string>();
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

// The store, opened only when a stored table is read: a built-in fluid inside its range
// creates no file and reads none.
class LazyStore : public PointSource {
public:
    explicit LazyStore(QString folder) : folder_(std::move(folder)) {}
    void readPoints(Family family, std::string_view fluid,
                    const std::function<void(const TablePoint&)>& take) override {
        if (!store_) store_.emplace(DatabaseFiles(folder_));
        store_->readPoints(family, fluid, take);
    }

private:
    QString folder_;
    std::optional<StorePointSource> store_;
};

using Doubles = py::array_t<double, py::array::c_style | py::array::forcecast>;

// A number, or the values of a 1-D array-like of numbers (a 0-D array is a number).
struct Numbers {
    bool scalar = true;
    double value = 0;
    Doubles array;
};

Numbers numbersOf(const py::object& x, const std::string& name) {
    Numbers n;
    if (PyFloat_Check(x.ptr()) || PyLong_Check(x.ptr())) {
        n.value = x.cast<double>();
        return n;
    }
    n.array = Doubles::ensure(x);
    if (!n.array) PyErr_Clear();
    if (n.array && n.array.ndim() == 0) {
        n.value = *n.array.data();
        return n;
    }
    if (!n.array || n.array.ndim() != 1) raise(name + " must be a number or a 1-D array of numbers");
    n.scalar = false;
    return n;
}

double numberOf(const py::object& x, const std::string& name) {
    const Numbers n = numbersOf(x, name);
    if (!n.scalar) raise(name + " must be a number");
    return n.value;
}

// An array of str, row i the word `which(i)` of `words`. Each text is made once and shared by
// every row: counted as the array takes it, its references added once at the end rather than
// one at a time.
template <class Which>
py::array textColumn(std::span<const std::string_view> words, std::size_t n, Which which) {
    std::vector<py::str> texts;
    for (const std::string_view w : words) texts.emplace_back(w.data(), w.size());
    std::vector<py::ssize_t> taken(texts.size());
    py::array column(py::dtype("O"), py::array::ShapeContainer{py::ssize_t(n)});
    auto** slot = static_cast<PyObject**>(column.mutable_data());
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t w = which(i);
        Py_XDECREF(slot[i]);  // NumPy leaves a new array of objects empty (null), or None
        slot[i] = texts[w].ptr();
        ++taken[w];
    }
    for (std::size_t w = 0; w < texts.size(); ++w) Py_SET_REFCNT(texts[w].ptr(), Py_REFCNT(texts[w].ptr()) + taken[w]);
    return column;
}

// Each warning once, in the order given, with its code.
void warn(const std::vector<Message>& warnings) {
    static const auto* const warnFunction = new py::object(py::module_::import("warnings").attr("warn"));
    std::set<std::string> seen;
    for (const Message& m : warnings) {
        const std::string w = messageText(m);
        if (seen.insert(w).second) (*warnFunction)(withCode(gRangeWarning, w, messageCode(m.id)), py::arg("stacklevel") = 1);
    }
}

bool englishOrRaise(const std::string& units) {
    if (units != kSI && units != kEnglish) raise("units must be \"SI\" or \"INGLES\", not \"" + units + "\"");
    return units == kEnglish;
}

std::string_view scaleNamedOrRaise(const std::string& scale) {
    const std::optional<std::string_view> named = scaleNamed(scale);
    if (!named) raise("scale must be \"K\", \"ºC\" (or \"C\") or \"ºF\" (or \"F\"), not \"" + scale + "\"");
    return *named;
}

Family familyNamedOrRaise(const std::string& family) {
    const std::optional<Family> f = familyNamed(family);
    if (!f) raise("family must be \"GASES\" or \"LIQUIDOS\", not \"" + family + "\"");
    return *f;
}

// The request of a call, its entries accepted as the property screen accepts them.
SweepRequest requestOf(const std::string& family, const std::string& fluid, const py::object& pressure,
                       const std::string& units, const std::string& scale) {
    SweepRequest r;
    r.family = familyNamedOrRaise(family);
    r.fluid = fluid;
    r.english = englishOrRaise(units);
    r.scale = std::string(scaleNamedOrRaise(scale));
    if (r.family == Family::Gases) {
        if (pressure.is_none()) raise("a gas needs a pressure (kPa, or psi under INGLES)");
        const PressureRule p = pressureRule(pressure.cast<double>(), r.english);
        if (p.outcome != PressureOutcome::Accepted) raise(refusal(p.outcome));
        r.pressure = p.kPa;
    } else if (!pressure.is_none()) {
        raise("pressure is for gases only");
    }
    return r;
}

// properties()'s parameters: family, fluid, temperature, pressure=None, and by name only
// units="SI", scale="K", db_dir=None.
constexpr std::array<const char*, 7> kPropertiesParameters{"family", "fluid",  "temperature", "pressure",
                                                           "units",  "scale", "db_dir"};
constexpr Py_ssize_t kPropertiesPositional = 4, kPropertiesRequired = 3;

// properties()'s Python objects, made once; the texts interned: a dict built with these keys
// hashes nothing, and a parameter named in a call's code is found by its address.
struct PropertiesObjects {
    std::array<PyObject*, kPropertyCount> key{};  // by property index
    PyObject* origin = nullptr;                   // "ORIGEN"
    std::array<PyObject*, 4> source{};            // by RowSource
    std::array<PyObject*, kPropertiesParameters.size()> parameter{};
    // The result's keys in order, each None: a result starts as a copy, made at its full size.
    std::array<PyObject*, kFamilies.size()> result{};  // by Family
};

const PropertiesObjects& propertiesObjects() {
    // Kept for the interpreter's life (never destroyed after it).
    static const PropertiesObjects* const made = [] {
        const auto interned = [](std::string_view w) {
            PyObject* s = PyUnicode_FromStringAndSize(w.data(), py::ssize_t(w.size()));
            if (!s) throw py::error_already_set();
            PyUnicode_InternInPlace(&s);
            return s;
        };
        auto* w = new PropertiesObjects;
        for (const PropertyInfo& p : kProperties) w->key[index(p.id)] = interned(p.column);
        w->origin = interned("ORIGEN");
        for (const RowSource r : {RowSource::Correlation, RowSource::TablePoint, RowSource::Interpolated,
                                  RowSource::Extrapolated})
            w->source[std::size_t(r)] = interned(sourceText(r));
        for (std::size_t i = 0; i < w->parameter.size(); ++i) w->parameter[i] = interned(kPropertiesParameters[i]);
        for (const Family f : kFamilies) {
            py::dict d;
            for (const PropertyInfo& p : propertiesOf(f)) d[w->key[index(p.id)]] = py::none();
            d[w->origin] = py::none();
            w->result[std::size_t(f)] = d.release().ptr();
        }
        return w;
    }();
    return *made;
}

// result[key] = value, the reference to value given to the dict.
void put(py::dict& result, PyObject* key, PyObject* value) {
    if (!value || PyDict_SetItem(result.ptr(), key, value) != 0) {
        Py_XDECREF(value);
        throw py::error_already_set();
    }
    Py_DECREF(value);
}

// The folder of db_dir as folderOf reads it (os.fsencode's bytes), without calling into Python.
std::string folderBytes(const py::object& dbDir) {
    if (dbDir.is_none()) return {};
    auto path = py::reinterpret_steal<py::object>(PyOS_FSPath(dbDir.ptr()));
    if (path && PyUnicode_Check(path.ptr()))
        path = py::reinterpret_steal<py::object>(PyUnicode_EncodeFSDefault(path.ptr()));
    if (!path) throw py::error_already_set();
    return std::string(PyBytes_AS_STRING(path.ptr()), std::size_t(PyBytes_GET_SIZE(path.ptr())));
}

// properties()'s store: the folder's name, too, made only when a stored table is read.
class StoreWhenRead : public PointSource {
public:
    explicit StoreWhenRead(std::string folder) : folder_(std::move(folder)) {}
    void readPoints(Family family, std::string_view fluid,
                    const std::function<void(const TablePoint&)>& take) override {
        if (!store_) store_.emplace(QFile::decodeName(QByteArray::fromStdString(folder_)));
        store_->readPoints(family, fluid, take);
    }

private:
    std::string folder_;  // empty: the current folder
    std::optional<LazyStore> store_;
};

// Whether a sweep is over sooner than leaving the interpreter to other threads and taking it
// back would be: fewer than a thousand temperatures, all inside a built-in fluid's range (no
// stored table read).
bool quick(const SweepRequest& r, std::span<const double> temperatures) {
    const BuiltInFluid* f = lookupBuiltIn(r.family, r.fluid);
    if (!f || temperatures.size() >= 1000) return false;
    const Scale scale = scaleOf(r.scale);
    return std::all_of(temperatures.begin(), temperatures.end(),
                       [&](double t) { return f->inRange(toKelvin(t, scale)); });
}

// Runs the sweep; the refusal raised, each warning issued once, and where every row came from
// when all came from one place. The interpreter is left to other threads while a long sweep
// or a stored table's reading runs.
ColumnsOutcome sweep(const SweepRequest& r, std::span<const double> temperatures, PointSource& source,
                     const SweepColumns& out) {
    ColumnsOutcome o;
    if (!quick(r, temperatures)) {
        py::gil_scoped_release unlocked;
        o = sweepColumns(r, temperatures, source, out);
    } else {
        o = sweepColumns(r, temperatures, source, out);
    }
    if (o.refusal) raise(*o.refusal);
    warn(o.warnings);
    return o;
}

py::dict properties(const std::string& family, const std::string& fluid, const py::object& temperature,
                    const py::object& pressure, const std::string& units, const std::string& scale,
                    const py::object& dbDir) {
    const SweepRequest r = requestOf(family, fluid, pressure, units, scale);
    StoreWhenRead source(folderBytes(dbDir));
    const auto shown = propertiesOf(r.family);
    const PropertiesObjects& made = propertiesObjects();
    auto result = py::reinterpret_steal<py::dict>(PyDict_Copy(made.result[std::size_t(r.family)]));
    if (!result) throw py::error_already_set();

    const auto one = [&](const double t) {
        std::array<double, kPropertyCount> v{};
        RowSource from = RowSource::Correlation;
        SweepColumns out;
        for (std::size_t i = 0; i < kPropertyCount; ++i) out.value[i] = &v[i];
        out.source = &from;
        sweep(r, std::span(&t, 1), source, out);
        for (const PropertyInfo& p : shown) put(result, made.key[index(p.id)], PyFloat_FromDouble(v[index(p.id)]));
        put(result, made.origin, Py_NewRef(made.source[std::size_t(from)]));
        return result;
    };
    // A number as numbersOf reads it, without making an array first.
    if (PyFloat_Check(temperature.ptr()) || PyLong_Check(temperature.ptr())) return one(temperature.cast<double>());
    const Numbers temperatures = numbersOf(temperature, "temperature");
    if (temperatures.scalar) return one(temperatures.value);

    const Doubles& t = temperatures.array;
    const auto n = std::size_t(t.shape(0));
    std::vector<Doubles> columns;
    SweepColumns out;
    for (const PropertyInfo& p : shown) {
        columns.emplace_back(py::ssize_t(n));
        out.value[index(p.id)] = columns.back().mutable_data();
    }
    std::vector<RowSource> from(n);
    out.source = from.data();
    const ColumnsOutcome o = sweep(r, std::span(t.data(), n), source, out);

    for (std::size_t i = 0; i < shown.size(); ++i)
        put(result, made.key[index(shown[i].id)], columns[i].release().ptr());
    // One str when every row came from the same place (a built-in fluid inside its range: the
    // usual case), otherwise one per row.
    if (o.source) {
        put(result, made.origin, Py_NewRef(made.source[std::size_t(*o.source)]));
    } else {
        const std::array sources{sourceText(RowSource::Correlation), sourceText(RowSource::TablePoint),
                                 sourceText(RowSource::Interpolated), sourceText(RowSource::Extrapolated)};
        put(result, made.origin,
            textColumn(sources, n, [&from](std::size_t i) { return std::size_t(from[i]); }).release().ptr());
    }
    return result;
}

// properties() called as CPython calls its own functions, its arguments read by position or
// by name without a tuple or a dict being built: a call for one temperature costs little more
// than its evaluation.

[[noreturn]] void typeError(const std::string& message) {
    PyErr_SetString(PyExc_TypeError, ("properties() " + message).c_str());
    throw py::error_already_set();
}

// A str (or bytes) argument as text.
std::string textArgument(PyObject* x, std::size_t i) {
    Py_ssize_t size = 0;
    if (PyUnicode_Check(x)) {
        const char* text = PyUnicode_AsUTF8AndSize(x, &size);
        if (!text) throw py::error_already_set();
        return std::string(text, std::size_t(size));
    }
    char* bytes = nullptr;
    if (PyBytes_Check(x) && PyBytes_AsStringAndSize(x, &bytes, &size) == 0)
        return std::string(bytes, std::size_t(size));
    typeError(std::string("argument '") + kPropertiesParameters[i] + "' must be str, not " + Py_TYPE(x)->tp_name);
}

PyObject* propertiesCall(PyObject*, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) noexcept {
    try {
        std::array<PyObject*, kPropertiesParameters.size()> a{};
        if (nargs > kPropertiesPositional)
            typeError("takes from 3 to 4 positional arguments but " + std::to_string(nargs) + " were given");
        std::copy(args, args + nargs, a.begin());
        const Py_ssize_t named = kwnames ? PyTuple_GET_SIZE(kwnames) : 0;
        const auto& parameter = propertiesObjects().parameter;
        for (Py_ssize_t k = 0; k < named; ++k) {
            PyObject* name = PyTuple_GET_ITEM(kwnames, k);
            std::size_t i = 0;
            while (i < a.size() && name != parameter[i]) ++i;
            if (i == a.size())
                for (i = 0; i < a.size() && PyUnicode_Compare(name, parameter[i]) != 0;) ++i;
            if (i == a.size())
                typeError("got an unexpected keyword argument '" + py::str(name).cast<std::string>() + "'");
            if (a[i]) typeError(std::string("got multiple values for argument '") + kPropertiesParameters[i] + "'");
            a[i] = args[nargs + k];
        }
        for (std::size_t i = 0; i < std::size_t(kPropertiesRequired); ++i)
            if (!a[i]) typeError(std::string("missing required argument '") + kPropertiesParameters[i] + "'");
        const auto object = [&](std::size_t i) { return py::reinterpret_borrow<py::object>(a[i] ? a[i] : Py_None); };
        const auto text = [&](std::size_t i, const char* otherwise) {
            return a[i] ? textArgument(a[i], i) : std::string(otherwise);
        };
        return properties(text(0, ""), text(1, ""), object(2), object(3), text(4, kSI), text(5, "K"), object(6))
            .release()
            .ptr();
    } catch (py::error_already_set& e) {
        e.restore();
    } catch (const py::builtin_exception& e) {
        e.set_error();
    } catch (const UserError& e) {
        PyErr_SetObject(gError, withCode(gError, e.what(), std::nullopt).ptr());
    } catch (const std::bad_alloc&) {
        PyErr_NoMemory();
    } catch (const std::exception& e) {
        PyErr_SetString(PyExc_RuntimeError, e.what());
    }
    return nullptr;
}

std::vector<std::string> fluids(const std::string& family, const py::object& dbDir) {
    const Family f = familyNamedOrRaise(family);
    const QString folder = folderOf(dbDir);
    py::gil_scoped_release unlocked;
    return FluidStore(DatabaseFiles(folder), f).listFluidTables();
}

namespace conv = velm::convection;

// The choice among fixed words of an argument, or its default when it is None.
template <class T>
T choiceOf(const std::optional<std::string>& given, const char* name,
           std::initializer_list<std::pair<const char*, T>> words, T fallback) {
    if (!given) return fallback;
    const std::string& word = *given;
    std::string all;
    for (const auto& [w, value] : words) {
        if (word == w) return value;
        all += (all.empty() ? "\"" : " or \"") + std::string(w) + "\"";
    }
    raise(std::string(name) + " must be " + all + ", not \"" + word + "\"");
}

conv::Setting settingOf(const std::string& family, const std::string& fluid, const std::string& kase,
                        const std::string& units, const std::optional<std::string>& scale,
                        const std::optional<std::string>& tubeCondition, const std::optional<std::string>& correlation) {
    conv::Setting s;
    const std::optional<conv::Case> c = conv::caseNamed(kase);
    if (!c) {
        std::string names;
        for (const conv::CaseInfo& i : conv::cases()) names += (names.empty() ? "" : ", ") + std::string(i.name);
        raise("case must be one of " + names + ", not \"" + kase + "\"");
    }
    s.kase = *c;
    s.family = familyNamedOrRaise(family);
    s.fluid = fluid;
    s.units.english = englishOrRaise(units);
    s.units.scale = s.units.english ? "ºF" : "K";
    if (scale) {
        const std::string_view named = scaleNamedOrRaise(*scale);
        if (s.units.english != (named == "ºF"))
            raise("scale \"" + std::string(named) + "\" is not offered under " +
                  (s.units.english ? "INGLES units (use \"ºF\")" : "SI units (use \"K\" or \"ºC\")"));
        s.units.scale = std::string(named);
    }
    if (s.kase != conv::Case::Tube)
        for (const auto& [name, given] : {std::pair{"tube_condition", &tubeCondition}, {"correlation", &correlation}})
            if (*given) raise(std::string(name) + " is for tube only");
    s.wall = choiceOf(tubeCondition, "tube_condition",
                      {{"temperature", conv::WallCondition::Temperature}, {"flux", conv::WallCondition::Flux}},
                      conv::WallCondition::Temperature);
    s.tube = choiceOf(correlation, "correlation",
                      {{"gnielinski", conv::TubeCorrelation::Gnielinski},
                       {"dittus-boelter", conv::TubeCorrelation::DittusBoelter}},
                      conv::TubeCorrelation::Gnielinski);
    return s;
}

// The numbers of a calculation as the calculator takes them: each given exactly when the case
// takes it; one of velocity, length, diameter and surface_temp may be an array, swept as
// --vary sweeps it.
struct ConvectionArgs {
    conv::EntryValues values;
    std::optional<conv::Variable> vary;
    std::vector<double> swept;
};

ConvectionArgs argsOf(const conv::Setting& s, const py::object& surfaceTemp, const py::object& fluidTemp,
                      const py::object& length, const py::object& diameter, const py::object& area,
                      const py::object& perimeter, const py::object& velocity, const py::object& pressure) {
    const conv::CaseInfo& c = conv::info(s.kase);
    const std::string caseName(c.name);
    ConvectionArgs a;
    // An argument given or not as the case wants, and its number; an array is kept as the sweep.
    const auto take = [&](const py::object& x, const char* name, bool wanted, const std::string& why,
                          double& into, std::optional<conv::Variable> variable) {
        if (x.is_none()) {
            if (wanted) raise(caseName + " needs " + name);
            return;
        }
        if (!wanted) raise(std::string(name) + " is not taken " + why);
        if (!variable) {
            into = numberOf(x, name);
            return;
        }
        const Numbers n = numbersOf(x, name);
        if (n.scalar) {
            into = n.value;
            return;
        }
        if (a.vary) raise("only one of surface_temp, length, diameter and velocity may be an array");
        const auto count = std::size_t(n.array.shape(0));
        if (count == 0 || count > conv::kMaxValues)
            raise(std::string(name) + " must hold from 1 to " + std::to_string(conv::kMaxValues) + " values");
        a.vary = variable;
        a.swept.assign(n.array.data(), n.array.data() + count);
        for (const double v : a.swept)
            if (!std::isfinite(v)) raise(message(MessageId::NotANumber));
        into = a.swept.front();  // refused as the first value, as the calculator does
    };
    conv::EntryValues& v = a.values;
    take(surfaceTemp, "surface_temp", true, "", v.surface, conv::Variable::SurfaceTemp);
    take(fluidTemp, "fluid_temp", true, "", v.fluid, std::nullopt);
    take(velocity, "velocity", c.forced, "in free convection", v.velocity, conv::Variable::Velocity);
    if (s.family == Family::Gases) {  // as properties() says it
        if (pressure.is_none()) raise("a gas needs a pressure (kPa, or psi under INGLES)");
        v.pressure = numberOf(pressure, "pressure");
    } else if (!pressure.is_none()) {
        raise("pressure is for gases only");
    }
    const bool plate = c.length == conv::LengthKind::AreaOverPerimeter;
    const bool areaGiven = plate && !(area.is_none() && perimeter.is_none());
    const std::string byCase = "by " + caseName;
    take(diameter, "diameter", c.length == conv::LengthKind::Diameter, byCase, v.length, conv::Variable::Diameter);
    take(length, "length", c.length != conv::LengthKind::Diameter && !areaGiven,
         areaGiven ? "with area and perimeter" : byCase, v.length, conv::Variable::Length);
    take(area, "area", areaGiven, byCase, v.length, std::nullopt);
    double p = 0;
    take(perimeter, "perimeter", areaGiven, byCase, p, std::nullopt);
    if (areaGiven) v.perimeter = p;
    return a;
}

// The columns of the calculator's CSV: a number in gives floats and str, an array in gives
// arrays; a field the case does not have is None.
py::dict convectionColumns(const conv::Setting& s, const std::vector<conv::Result>& rows, bool scalar) {
    std::vector<conv::Shown> shown;
    shown.reserve(rows.size());
    for (const conv::Result& r : rows) shown.push_back(conv::shown(r, s.units));
    py::dict result;
    const std::string_view caseName = conv::info(s.kase).name;
    constexpr std::size_t kCorrelations = std::size_t(conv::NuCorrelation::PlateHotDown) + 1;
    std::array<std::string_view, kCorrelations> names;
    for (std::size_t c = 0; c < kCorrelations; ++c) names[c] = conv::correlationName(conv::NuCorrelation(c));
    if (scalar) {
        result["CASO"] = py::str(caseName.data(), caseName.size());
        const std::string_view name = names[std::size_t(rows[0].correlation)];
        result["CORRELACION"] = py::str(name.data(), name.size());
    } else {
        result["CASO"] = textColumn(std::span(&caseName, 1), rows.size(), [](std::size_t) { return std::size_t(0); });
        result["CORRELACION"] =
            textColumn(names, rows.size(), [&rows](std::size_t i) { return std::size_t(rows[i].correlation); });
    }
    // A numeric column from each row's value; None when the case has no such field.
    const auto column = [&](std::string_view key, auto value) {
        const py::str k(key.data(), key.size());
        const std::optional<double> first = value(rows[0], shown[0]);
        if (!first) {
            result[k] = py::none();
        } else if (scalar) {
            result[k] = *first;
        } else {
            Doubles a(py::ssize_t(rows.size()));
            double* out = a.mutable_data();
            for (std::size_t i = 0; i < rows.size(); ++i) out[i] = *value(rows[i], shown[i]);
            result[k] = a;
        }
    };
    using R = const conv::Result&;
    using S = const conv::Shown&;
    column("T_PROPIEDADES", [](R, S v) -> std::optional<double> { return v.propertyTemperature; });
    for (const PropertyInfo& p : kProperties)
        column(p.column, [i = index(p.id)](R, S v) -> std::optional<double> { return v.property[i]; });
    column("MIU_S", [](R, S v) { return v.surfaceViscosity; });
    column("RE", [](R r, S) { return r.Re; });
    column("GR", [](R r, S) { return r.Gr; });
    column("RA", [](R r, S) { return r.Ra; });
    column("NU", [](R r, S) -> std::optional<double> { return r.Nu; });
    column("H", [](R, S v) -> std::optional<double> { return v.h; });
    column("Q", [](R, S v) -> std::optional<double> { return v.q; });
    return result;
}

py::dict convectionCoefficients(const std::string& family, const std::string& fluid, const std::string& kase,
                    const py::object& surfaceTemp, const py::object& fluidTemp, const py::object& length,
                    const py::object& diameter, const py::object& area, const py::object& perimeter,
                    const py::object& velocity, const py::object& pressure, const std::string& units,
                    const std::optional<std::string>& scale, const std::optional<std::string>& tubeCondition,
                    const std::optional<std::string>& correlation, const py::object& dbDir) {
    const conv::Setting s = settingOf(family, fluid, kase, units, scale, tubeCondition, correlation);
    const ConvectionArgs a = argsOf(s, surfaceTemp, fluidTemp, length, diameter, area, perimeter, velocity, pressure);
    const conv::Entry e = conv::acceptEntry(s, a.values);
    if (e.refused != conv::Field::None) raise(e.message);
    LazyStore source(folderOf(dbDir));

    conv::Sweep sweep;
    {
        py::gil_scoped_release unlocked;
        conv::FluidProperties fluidProperties(s.family, s.fluid, e.pressure, source);
        if (a.vary) {
            sweep = conv::runSweep(fluidProperties, e.inputs, *a.vary, a.swept, s.units);
        } else {
            conv::Outcome o = conv::calculate(fluidProperties, e.inputs);
            sweep.stop = o.stop;
            sweep.message = std::move(o.message);
            sweep.warnings = o.result.warnings;
            sweep.rows.push_back(std::move(o.result));
        }
    }
    if (sweep.stop != conv::Stop::None) raise(sweep.message);
    warn(sweep.warnings);
    return convectionColumns(s, sweep.rows, !a.vary);
}

}  // namespace

PYBIND11_MODULE(velmorantes, m) {
    m.doc() = R"(The thermophysical properties of fluids as VELMORANTES computes them.

properties() gives density, specific heat, absolute and kinematic viscosity, thermal
conductivity and diffusivity, the Prandtl number and, for liquids, the expansion
coefficient of a fluid at one temperature or at many, exactly as the program and
velmorantes-calc give them: from the correlation of a built-in fluid inside its range,
otherwise from the fluid's table in the database files (GASES.mdb, LIQUIDOS.mdb).
convection() gives convection coefficients from those properties, as velmorantes-calc
--convection does. fluids() lists the fluids of a family. The program's refusals raise
Error, its warnings are RangeWarning; the messages are the program's own, in Spanish.)";
    m.attr("__version__") = VELM_VERSION;
    // The decimal separator of the messages' numbers is the user's locale's, as in the programs.
    useQtForText();

    // Both carry the program's identifier of the message as `code` ("ZERO_PRESSURE" ...), None
    // on the class and on a refusal of an argument by the module itself.
    const auto codeNone = [] {
        py::dict d;
        d["code"] = py::none();
        return d;
    };
    gError = PyErr_NewExceptionWithDoc(
        "velmorantes.Error",
        "A state the program refuses (an unknown fluid, a pressure of zero, a temperature below "
        "0 K or not a number, a table that cannot be read ...) or an argument it does not take. "
        "The message is the program's; `code` is its identifier (\"ZERO_PRESSURE\" ...), None "
        "for an argument the module refuses itself.",
        PyExc_ValueError, codeNone().ptr());
    gRangeWarning = PyErr_NewExceptionWithDoc(
        "velmorantes.RangeWarning",
        "A temperature outside the range of a fluid's correlation or beyond the ends of its "
        "stored table: the values are extrapolated; or a convection correlation used outside "
        "its stated range: the values are still computed. Issued once per call and message; "
        "`code` is the message's identifier (\"OUT_OF_CORRELATION_RANGE\" ...).",
        PyExc_UserWarning, codeNone().ptr());
    if (!gError || !gRangeWarning) throw py::error_already_set();
    m.attr("Error") = py::handle(gError);
    m.attr("RangeWarning") = py::handle(gRangeWarning);
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) std::rethrow_exception(p);
        } catch (const UserError& e) {
            PyErr_SetObject(gError, withCode(gError, e.what(), std::nullopt).ptr());
        }
    });

    // Kept for the interpreter's life: the function refers to it.
    static PyMethodDef propertiesMethod{
        "properties", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(&propertiesCall)),
        METH_FASTCALL | METH_KEYWORDS,
        R"(properties(family, fluid, temperature, pressure=None, *, units='SI', scale='K', db_dir=None)
--

The properties of a fluid at one temperature or at many.

family       "GASES" or "LIQUIDOS".
fluid        a built-in fluid ("AIRE", "AGUA" ...), matched exactly, or the title of a
             table stored in the family's database file.
temperature  a number, or any 1-D array-like of numbers, in the scale `scale`.
pressure     the absolute pressure, required for a gas and refused for a liquid: kPa, or
             psi under INGLES units.
units        "SI" or "INGLES": the units of the results (and of the pressure).
scale        "K", "ºC" (or "C") or "ºF" (or "F"): the temperatures' scale.
db_dir       the folder of GASES.mdb and LIQUIDOS.mdb, by default the current folder. A
             file is read, or created with the shipped tables, only when a stored table is
             needed: a fluid that is not built in, or a built-in one outside its range.

Returns a dict with the keys "DEN", "CP", "MIU", "UN", "K", "ALFA", "PR" (and "BETA" for
liquids) and "ORIGEN": where the values came from ("CORRELACION", "PUNTO DE TABLA",
"INTERPOLADO" or "EXTRAPOLADO"). A number in gives floats and a str. An array in gives
float64 NumPy arrays and under "ORIGEN" one str when every temperature's values came from
the same place (a built-in fluid inside its range: "CORRELACION"), otherwise a NumPy array
of str, one per temperature. The values are velmorantes-calc's, bit for bit.

Raises Error with the program's message when any temperature is refused or cannot be
computed (no values are returned then), and issues RangeWarning once per call for each
warning the program gives (a temperature outside the correlation's range, or beyond the
stored table's ends). The interpreter is released while a stored table is read or many
temperatures (a thousand or more) are evaluated.)"};
    auto propertiesFunction = py::reinterpret_steal<py::object>(
        PyCFunction_NewEx(&propertiesMethod, nullptr, m.attr("__name__").ptr()));
    if (!propertiesFunction) throw py::error_already_set();
    m.add_object("properties", propertiesFunction);

    m.def("convection", &convectionCoefficients, py::arg("family"), py::arg("fluid"), py::arg("case"), py::kw_only(),
          py::arg("surface_temp"), py::arg("fluid_temp"), py::arg("length") = py::none(),
          py::arg("diameter") = py::none(), py::arg("area") = py::none(), py::arg("perimeter") = py::none(),
          py::arg("velocity") = py::none(), py::arg("pressure") = py::none(), py::arg("units") = "SI",
          py::arg("scale") = py::none(), py::arg("tube_condition") = py::none(),
          py::arg("correlation") = py::none(), py::arg("db_dir") = py::none(),
          R"(A convection coefficient from a fluid's properties, as velmorantes-calc --convection
gives it: the property temperature, the properties there, Re or Gr and Ra, Pr, Nu, h and q.

family          "GASES" or "LIQUIDOS".
fluid           a built-in fluid or the title of a stored table, as for properties().
case            "flat-plate", "cylinder", "sphere", "tube" (forced flow), "vertical-plate",
                "horizontal-cylinder", "sphere-free", "horizontal-plate-up",
                "horizontal-plate-down" (free convection).
surface_temp    Ts, in the scale `scale`.
fluid_temp      T-infinity (for "tube", the mean fluid temperature), in the scale `scale`.
length          L (m, or ft under INGLES): the plate's length or height; for a horizontal
                plate area over perimeter, or give `area` (m^2 or ft^2) and `perimeter`.
diameter        D, for "cylinder", "sphere", "tube", "horizontal-cylinder", "sphere-free".
velocity        forced flow only (m/s, or ft/s under INGLES); "tube": the mean velocity.
pressure        the absolute pressure, required for a gas and refused for a liquid: kPa, or
                psi under INGLES.
units           "SI" or "INGLES": the units of the inputs and of the results.
scale           "K" or "ºC" (or "C") under SI, "ºF" (or "F") under INGLES; by default K or ºF.
tube_condition  "tube" in laminar flow: "temperature" (uniform surface temperature, the
                default) or "flux" (uniform heat flux).
correlation     "tube" in turbulent flow: "gnielinski" (the default) or "dittus-boelter".
db_dir          the folder of the database files, as for properties().

Each argument is given exactly when the case takes it. One of surface_temp, length,
diameter and velocity may be a 1-D array-like (1 to 100000 values): one calculation per
value, as --vary with --sweep.

Returns a dict whose keys are the calculator's CSV columns: "CASO", "CORRELACION",
"T_PROPIEDADES", "DEN", "CP", "MIU", "UN", "K", "ALFA", "PR", "BETA", "MIU_S", "RE", "GR",
"RA", "NU", "H", "Q", in the units chosen (h in W/(m^2.K) or Btu/(h.ft^2.F), q in W/m^2 or
Btu/(h.ft^2); BETA is 1/T for a gas). A number in gives floats and str; an array in gives
float64 NumPy arrays and NumPy arrays of str. A field the case does not have (MIU_S but for
"sphere", RE in free convection, GR and RA in forced flow) is None. The values are
velmorantes-calc's CSV values, bit for bit.

Raises Error with the program's message when an entry is refused (not a number, a
temperature below 0 K, a length, diameter or velocity that is not positive, a pressure of
zero ...) or a value cannot be computed, and for an argument given against the case or
missing; issues RangeWarning once per call for each warning (a correlation used outside its
stated range, a temperature outside a fluid's correlation). The interpreter is released
while the calculation runs.)");

    m.def("fluids", &fluids, py::arg("family"), py::arg("db_dir") = py::none(),
          R"(The fluids of a family, as the program's fluid list shows them: the tables of the
family's database file in `db_dir` (by default the current folder), which is created with
the shipped tables, one per built-in fluid, when it does not exist.

Raises Error with the program's message when the file cannot be read.)");
}
