#include "Bindings.h"

#include "zorv/Error.h"

namespace zorv::python {

namespace {

// The exception classes live in zorv._errors, where they derive from the builtin ones (ValueError, OSError,
// FileNotFoundError); the translator raises them. They are kept for the life of the interpreter.
struct ErrorClasses {
    py::handle error;
    py::handle parse;
    py::handle shape;
    py::handle file;
    py::handle missingFile;
};

ErrorClasses& classes() {
    static ErrorClasses known;
    return known;
}

void raise(const py::handle& type, const py::object& instance) { PyErr_SetObject(type.ptr(), instance.ptr()); }

void raiseFileError(const FileError& e) {
    const int missing = py::module_::import("errno").attr("ENOENT").cast<int>();
    const py::handle type = e.code() == missing ? classes().missingFile : classes().file;
    const py::object code = e.code() != 0 ? py::object(py::int_(e.code())) : py::object(py::none());
    raise(type, type(code, e.what(), py::str(e.path().string())));
}

}  // namespace

// zorv.Error for every failure of the engine; zorv.ParseError for text it cannot read (message, text,
// position, line), zorv.ShapeError for values of the wrong number or shape, zorv.FileError for a file that
// cannot be read or written (zorv.MissingFileError when it does not exist).
void bindErrors(py::module_& m) {
    const py::module_ errors = py::module_::import("zorv._errors");
    ErrorClasses& known = classes();
    known.error = py::object(errors.attr("Error")).release();
    known.parse = py::object(errors.attr("ParseError")).release();
    known.shape = py::object(errors.attr("ShapeError")).release();
    known.file = py::object(errors.attr("FileError")).release();
    known.missingFile = py::object(errors.attr("MissingFileError")).release();
    for (const char* name : {"Error", "ParseError", "ShapeError", "FileError", "MissingFileError"}) {
        m.attr(name) = errors.attr(name);
    }
    py::register_exception_translator([](std::exception_ptr thrown) {
        try {
            if (thrown) std::rethrow_exception(thrown);
        } catch (const SyntaxError& e) {
            py::object instance = classes().parse(e.what());
            instance.attr("text") = e.text();
            instance.attr("position") = e.position() ? py::cast(*e.position()) : py::none();
            instance.attr("line") = e.line() ? py::cast(*e.line()) : py::none();
            raise(classes().parse, instance);
        } catch (const FileError& e) {
            raiseFileError(e);
        } catch (const ShapeError& e) {
            raise(classes().shape, classes().shape(e.what()));
        } catch (const Error& e) {
            raise(classes().error, classes().error(e.what()));
        }
    });
}

}  // namespace zorv::python
