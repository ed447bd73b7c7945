// The program's refusals as velmorantes.Error and its warnings as velmorantes.RangeWarning, each
// with the message's identifier as `code`.
#include "python/Module.h"

#include "engine/UserError.h"
#include "i18n/MessageText.h"

#include <set>

namespace velm::python {
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

void setError(const Message& m) { PyErr_SetObject(gError, withCode(gError, messageText(m), messageCode(m.id)).ptr()); }

}  // namespace

void makeExceptions(py::module_& m) {
    // `code` is None on the class, and so on an instance given none.
    const auto codeNone = [] {
        py::dict d;
        d["code"] = py::none();
        return d;
    };
    gError = PyErr_NewExceptionWithDoc(
        "velmorantes.Error",
        "A state the program refuses (an unknown fluid, a pressure of zero, a temperature below "
        "0 K or not a number, a table that cannot be read ...) or an argument it does not take. "
        "The message is the program's. `code` is its identifier, as velmorantes-calc's messages "
        "are listed in the program's source (engine/Message.cpp): \"NOT_A_NUMBER\", "
        "\"ZERO_PRESSURE\", \"TABLE_UNREADABLE\" (also for a database file the store cannot "
        "read or create) ...; None for an argument the module refuses itself (a wrong type of "
        "value, an argument the case does not take ...).",
        PyExc_ValueError, codeNone().ptr());
    gRangeWarning = PyErr_NewExceptionWithDoc(
        "velmorantes.RangeWarning",
        "A temperature outside the range of a fluid's correlation or beyond the ends of its "
        "stored table: the values are extrapolated; or a convection correlation used outside "
        "its stated range: the values are still computed. Issued once per call and message. "
        "`code` is the message's identifier: \"OUT_OF_CORRELATION_RANGE\", \"ABOVE_TABLE\", "
        "\"BELOW_TABLE\" or \"GROUP_OUT_OF_RANGE\".",
        PyExc_UserWarning, codeNone().ptr());
    if (!gError || !gRangeWarning) throw py::error_already_set();
    m.attr("Error") = py::handle(gError);
    m.attr("RangeWarning") = py::handle(gRangeWarning);
    // What the store throws (the fluid list's file that cannot be read ...) is raised as the
    // evaluation raises a stored table's failure: TABLE_UNREADABLE, with the store's words.
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) std::rethrow_exception(p);
        } catch (const UserError& e) {
            setStoreError(e);
        }
    });
}

void setStoreError(const UserError& e) { setError(message(MessageId::TableUnreadable, std::string(e.what()))); }

void raise(const std::string& message) {
    PyErr_SetObject(gError, withCode(gError, message, std::nullopt).ptr());
    throw py::error_already_set();
}

void raise(const Message& m) {
    setError(m);
    throw py::error_already_set();
}

void warn(const std::vector<Message>& warnings) {
    static const auto* const warnFunction = new py::object(py::module_::import("warnings").attr("warn"));
    std::set<std::string> seen;
    for (const Message& m : warnings) {
        const std::string w = messageText(m);
        if (seen.insert(w).second) (*warnFunction)(withCode(gRangeWarning, w, messageCode(m.id)), py::arg("stacklevel") = 1);
    }
}

}  // namespace velm::python
