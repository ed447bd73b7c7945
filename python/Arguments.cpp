// The arguments of a call read into numbers, arrays of numbers, words and a folder; an argument
// the module cannot take raises Error with no code.
#include "python/Module.h"

#include "engine/Entry.h"
#include "engine/Module1.h"

#include <QByteArray>
#include <QFile>

namespace velm::python {

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

QString folderOf(const py::object& dbDir) {
    if (dbDir.is_none()) return {};
    // Looked up once; kept for the interpreter's life (never destroyed after it).
    static const auto* const fsencode = new py::object(py::module_::import("os").attr("fsencode"));
    const auto bytes = (*fsencode)(dbDir).cast<std::string>();
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

}  // namespace velm::python
