#pragma once
// What the parts of the Python module share: the program's messages raised and warned with
// their codes, the arguments read into numbers and words, the store opened only when a table
// is read, and arrays of text. Module.cpp defines the module and its documentation.

#include "correlation/Family.h"
#include "engine/Message.h"
#include "engine/PointSource.h"
#include "engine/UserError.h"
#include "store/FluidStore.h"

#include <QString>

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velm::python {

namespace py = pybind11;

// velmorantes.Error and velmorantes.RangeWarning, made with the module.
void makeExceptions(py::module_& m);

// Error with a message of the module's own about an argument: its code is None.
[[noreturn]] void raise(const std::string& message);
// Error with the program's message and its code.
[[noreturn]] void raise(const Message& m);
// Error for what the store throws: TABLE_UNREADABLE, with the store's words.
void setStoreError(const UserError& e);
// RangeWarning for each warning, each text once, in the order given, with its code.
void warn(const std::vector<Message>& warnings);

using Doubles = py::array_t<double, py::array::c_style | py::array::forcecast>;

// A number, or the values of a 1-D array-like of numbers (a 0-D array is a number).
struct Numbers {
    bool scalar = true;
    double value = 0;
    Doubles array;
};
Numbers numbersOf(const py::object& x, const std::string& name);
double numberOf(const py::object& x, const std::string& name);

bool englishOrRaise(const std::string& units);
std::string_view scaleNamedOrRaise(const std::string& scale);
Family familyNamedOrRaise(const std::string& family);

// The folder given (text, bytes or a path object), by its bytes on disk; None is the current
// folder, as for velmorantes-calc.
QString folderOf(const py::object& dbDir);

// The store, opened only when a stored table is read: a built-in fluid inside its range
// creates no file and reads none.
class LazyStore : public PointSource {
public:
    explicit LazyStore(QString folder) : folder_(std::move(folder)) {}
    void readPoints(Family family, std::string_view fluid,
                    const std::function<void(const TablePoint&)>& take) override;

private:
    QString folder_;
    std::optional<StorePointSource> store_;
};

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

// The module's functions; properties() is made by defineProperties.
void defineProperties(py::module_& m);
py::dict properties(const std::string& family, const std::string& fluid, const py::object& temperature,
                    const py::object& pressure, const std::string& units, const std::string& scale,
                    const py::object& dbDir);
std::vector<std::string> fluids(const std::string& family, const py::object& dbDir);
py::dict convection(const std::string& family, const std::string& fluid, const std::string& kase,
                    const py::object& surfaceTemp, const py::object& fluidTemp, const py::object& length,
                    const py::object& diameter, const py::object& area, const py::object& perimeter,
                    const py::object& velocity, const py::object& pressure, const std::string& units,
                    const std::optional<std::string>& scale, const std::optional<std::string>& tubeCondition,
                    const std::optional<std::string>& correlation, const py::object& dbDir);

}  // namespace velm::python
