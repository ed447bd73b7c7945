// The Python module `velmorantes`: the engine's sweep into NumPy arrays, the store's fluid
// lists, and the program's refusals and warnings as Python exceptions and warnings. Every
// rule and every message is the engine's or the store's; here are only the arrays.
#include "engine/Catalogue.h"
#include "engine/Entry.h"
#include "engine/Properties.h"
#include "engine/Sweep.h"
#include "engine/SweepText.h"
#include "store/FluidStore.h"

#include <QByteArray>
#include <QFile>

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <optional>
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

[[noreturn]] void raise(const std::string& message) {
    PyErr_SetObject(gError, text(message).ptr());
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
    if (units != kSI && units != kEnglish) raise("units must be \"SI\" or \"INGLES\", not \"" + units + "\"");
    r.english = units == kEnglish;
    const std::optional<std::string_view> named = scaleNamed(scale);
    if (!named) raise("scale must be \"K\", \"ºC\" (or \"C\") or \"ºF\" (or \"F\"), not \"" + scale + "\"");
    r.scale = std::string(*named);
    if (r.family == Family::Gases) {
        if (pressure.is_none()) raise("a gas needs a pressure (kPa, or psi under INGLES)");
        Module1 m;
        m.UNIDADES = units;
        const PressureOutcome p = acceptPressure(m, pressure.cast<double>());
        if (p != PressureOutcome::Accepted) raise(std::string(refusal(p)));
        r.pressure = *m.PRESION;
    } else if (!pressure.is_none()) {
        raise("pressure is for gases only");
    }
    return r;
}

// Runs the sweep; the refusal raised, each warning issued once. The interpreter is left to
// other threads while a long sweep or a stored table's reading runs.
void sweep(const SweepRequest& r, std::span<const double> temperatures, PointSource& source,
           const SweepColumns& out, bool release) {
    ColumnsOutcome o;
    if (release) {
        py::gil_scoped_release unlocked;
        o = sweepColumns(r, temperatures, source, out);
    } else {
        o = sweepColumns(r, temperatures, source, out);
    }
    if (o.refusal) raise(*o.refusal);
    for (const std::string& w : o.warnings)
        if (PyErr_WarnEx(gRangeWarning, w.c_str(), 1) < 0) throw py::error_already_set();  // always UTF-8
}

py::dict properties(const std::string& family, const std::string& fluid, const py::object& temperature,
                    const py::object& pressure, const std::string& units, const std::string& scale,
                    const py::object& dbDir) {
    const SweepRequest r = requestOf(family, fluid, pressure, units, scale);
    LazyStore source(folderOf(dbDir));
    const auto shown = propertiesOf(r.family);
    py::dict result;

    if (PyFloat_Check(temperature.ptr()) || PyLong_Check(temperature.ptr())) {
        const double t = temperature.cast<double>();
        std::array<double, kPropertyCount> v{};
        RowSource from = RowSource::Correlation;
        SweepColumns out;
        for (std::size_t i = 0; i < kPropertyCount; ++i) out.value[i] = &v[i];
        out.source = &from;
        sweep(r, std::span(&t, 1), source, out, !isBuiltIn(r.family, r.fluid));
        for (const PropertyInfo& p : shown) result[py::str(p.column.data(), p.column.size())] = v[index(p.id)];
        const std::string_view origin = sourceText(from);
        result["ORIGEN"] = py::str(origin.data(), origin.size());
        return result;
    }

    using Doubles = py::array_t<double, py::array::c_style | py::array::forcecast>;
    const Doubles t = Doubles::ensure(temperature);
    if (!t) {
        PyErr_Clear();
        raise("temperature must be a number or a 1-D array of numbers");
    }
    if (t.ndim() == 0) return properties(family, fluid, py::float_(*t.data()), pressure, units, scale, dbDir);
    if (t.ndim() != 1) raise("temperature must be a number or a 1-D array of numbers");

    const auto n = std::size_t(t.shape(0));
    std::vector<Doubles> columns;
    SweepColumns out;
    for (const PropertyInfo& p : shown) {
        columns.emplace_back(py::ssize_t(n));
        out.value[index(p.id)] = columns.back().mutable_data();
    }
    std::vector<RowSource> from(n);
    out.source = from.data();
    sweep(r, std::span(t.data(), n), source, out, true);

    for (std::size_t i = 0; i < shown.size(); ++i)
        result[py::str(shown[i].column.data(), shown[i].column.size())] = columns[i];
    // Four texts, shared by every element: each counted as the array takes it, and its
    // references added once at the end rather than one at a time.
    constexpr std::array kSources{RowSource::Correlation, RowSource::TablePoint, RowSource::Interpolated,
                                  RowSource::Extrapolated};
    std::array<py::str, kSources.size()> words;
    std::array<py::ssize_t, kSources.size()> taken{};
    for (const RowSource s : kSources) {
        const std::string_view w = sourceText(s);
        words[std::size_t(s)] = py::str(w.data(), w.size());
    }
    py::array origins(py::dtype("O"), py::array::ShapeContainer{py::ssize_t(n)});
    auto** slot = static_cast<PyObject**>(origins.mutable_data());
    for (std::size_t i = 0; i < n; ++i) {
        Py_XDECREF(slot[i]);  // NumPy leaves a new array of objects empty (null), or None
        slot[i] = words[std::size_t(from[i])].ptr();
        ++taken[std::size_t(from[i])];
    }
    for (std::size_t w = 0; w < words.size(); ++w) Py_SET_REFCNT(words[w].ptr(), Py_REFCNT(words[w].ptr()) + taken[w]);
    result["ORIGEN"] = origins;
    return result;
}

std::vector<std::string> fluids(const std::string& family, const py::object& dbDir) {
    const Family f = familyNamedOrRaise(family);
    const QString folder = folderOf(dbDir);
    py::gil_scoped_release unlocked;
    return FluidStore(DatabaseFiles(folder), f).listFluidTables();
}

}  // namespace

PYBIND11_MODULE(velmorantes, m) {
    m.doc() = R"(The thermophysical properties of fluids as VELMORANTES computes them.

properties() gives density, specific heat, absolute and kinematic viscosity, thermal
conductivity and diffusivity, the Prandtl number and, for liquids, the expansion
coefficient of a fluid at one temperature or at many, exactly as the program and
velmorantes-calc give them: from the correlation of a built-in fluid inside its range,
otherwise from the fluid's table in the database files (GASES.mdb, LIQUIDOS.mdb).
fluids() lists the fluids of a family. The program's refusals raise Error, its
warnings are RangeWarning; the messages are the program's own, in Spanish.)";
    m.attr("__version__") = VELM_VERSION;

    gError = PyErr_NewExceptionWithDoc(
        "velmorantes.Error",
        "A state the program refuses (an unknown fluid, a pressure of zero, a temperature below "
        "0 K or not a number, a table that cannot be read ...) or an argument it does not take. "
        "The message is the program's.",
        PyExc_ValueError, nullptr);
    gRangeWarning = PyErr_NewExceptionWithDoc(
        "velmorantes.RangeWarning",
        "A temperature outside the range of a fluid's correlation or beyond the ends of its "
        "stored table: the values are extrapolated. Issued once per call and message.",
        PyExc_UserWarning, nullptr);
    if (!gError || !gRangeWarning) throw py::error_already_set();
    m.attr("Error") = py::handle(gError);
    m.attr("RangeWarning") = py::handle(gRangeWarning);
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) std::rethrow_exception(p);
        } catch (const UserError& e) {
            PyErr_SetObject(gError, text(e.what()).ptr());
        }
    });

    m.def("properties", &properties, py::arg("family"), py::arg("fluid"), py::arg("temperature"),
          py::arg("pressure") = py::none(), py::kw_only(), py::arg("units") = "SI", py::arg("scale") = "K",
          py::arg("db_dir") = py::none(),
          R"(The properties of a fluid at one temperature or at many.

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
liquids) and "ORIGEN": where each value came from ("CORRELACION", "PUNTO DE TABLA",
"INTERPOLADO" or "EXTRAPOLADO"). A number in gives floats and a str; an array in gives
float64 NumPy arrays and a NumPy array of str. The values are velmorantes-calc's, bit for bit.

Raises Error with the program's message when any temperature is refused or cannot be
computed (no values are returned then), and issues RangeWarning once per call for each
warning the program gives (a temperature outside the correlation's range, or beyond the
stored table's ends). The interpreter is released while many temperatures or a stored
table are evaluated.)");

    m.def("fluids", &fluids, py::arg("family"), py::arg("db_dir") = py::none(),
          R"(The fluids of a family, as the program's fluid list shows them: the tables of the
family's database file in `db_dir` (by default the current folder), which is created with
the shipped tables, one per built-in fluid, when it does not exist.

Raises Error with the program's message when the file cannot be read.)");
}
