// properties(): the engine's sweep of a fluid's properties into NumPy arrays, or one
// temperature's into floats; called as CPython calls its own functions, so that a call for one
// temperature costs little more than its evaluation.
#include "python/Module.h"

#include "engine/Catalogue.h"
#include "engine/Entry.h"
#include "engine/Properties.h"
#include "engine/Sweep.h"
#include "engine/SweepText.h"
#include "engine/UserError.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <array>

namespace velm::python {
namespace {

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
        const PressureRule p = pressureRule(numberOf(pressure, "pressure"), r.english);
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

}  // namespace

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

namespace {

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
        setStoreError(e);
    } catch (const std::bad_alloc&) {
        PyErr_NoMemory();
    } catch (const std::exception& e) {
        PyErr_SetString(PyExc_RuntimeError, e.what());
    }
    return nullptr;
}

}  // namespace

void defineProperties(py::module_& m) {
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

Raises Error with the program's message and its `code` when any temperature is refused or
cannot be computed (no values are returned then): "NOT_A_NUMBER",
"TEMPERATURE_DOES_NOT_EXIST", "NEGATIVE_PRESSURE", "ZERO_PRESSURE", "TOO_FEW_POINTS",
"NOT_COMPUTABLE", "TABLE_UNREADABLE"; code None for an argument refused by the module
(family, units, scale, pressure given or missing). Issues RangeWarning once per call for
each warning the program gives (a temperature outside the correlation's range,
"OUT_OF_CORRELATION_RANGE", or beyond the stored table's ends, "ABOVE_TABLE" and
"BELOW_TABLE"). The interpreter is released while a stored table is read or many
temperatures (a thousand or more) are evaluated.)"};
    auto propertiesFunction = py::reinterpret_steal<py::object>(
        PyCFunction_NewEx(&propertiesMethod, nullptr, m.attr("__name__").ptr()));
    if (!propertiesFunction) throw py::error_already_set();
    m.add_object("properties", propertiesFunction);
}

}  // namespace velm::python
