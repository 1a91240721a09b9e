#include "Bindings.h"

#include "zorv/Error.h"

namespace zorv::python {

namespace {

// Raises an instance of type carrying message (and whatever else the caller sets on it).
py::object raised(const py::handle& type, const char* message) {
    py::object instance = type(message);
    instance.attr("message") = message;
    return instance;
}

}  // namespace

// zorv.Error for every failure of the engine, zorv.SyntaxError (a zorv.Error) for text it cannot read,
// with the attributes message, text, position and line (None where they do not apply).
void bindErrors(py::module_& m) {
    static const py::exception<Error> error(m, "Error");
    static const py::exception<SyntaxError> syntaxError(m, "SyntaxError", error.ptr());
    error.doc() = "An engine failure; message holds its text.";
    syntaxError.doc() = "Text the engine cannot read: message, text, position (offset in text) and line.";
    py::register_exception_translator([](std::exception_ptr thrown) {
        try {
            if (thrown) std::rethrow_exception(thrown);
        } catch (const SyntaxError& e) {
            py::object instance = raised(syntaxError, e.what());
            instance.attr("text") = e.text();
            instance.attr("position") = e.position() ? py::cast(*e.position()) : py::none();
            instance.attr("line") = e.line() ? py::cast(*e.line()) : py::none();
            PyErr_SetObject(syntaxError.ptr(), instance.ptr());
        } catch (const Error& e) {
            PyErr_SetObject(error.ptr(), raised(error, e.what()).ptr());
        }
    });
}

}  // namespace zorv::python
