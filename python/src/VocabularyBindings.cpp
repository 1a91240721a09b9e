#include <pybind11/stl.h>

#include "Bindings.h"
#include "zorv/Vocabulary.h"

namespace zorv::python {

namespace {

// compare_expressions in the manner of a cmp function: -1, 0, 1, or None when there is no order.
py::object ordering(std::partial_ordering order) {
    if (order == std::partial_ordering::less) return py::int_(-1);
    if (order == std::partial_ordering::greater) return py::int_(1);
    if (order == std::partial_ordering::equivalent) return py::int_(0);
    return py::none();
}

}  // namespace

void bindVocabulary(py::module_& m) {
    py::enum_<HedgeMode>(m, "HedgeMode", "Which hedges perception may choose from.")
        .value("NONE", HedgeMode::none)
        .value("COMMON", HedgeMode::common)
        .value("ALL_BUT_RATHER", HedgeMode::allButRather)
        .value("ALL", HedgeMode::all);
    py::enum_<Connective>(m, "Connective")
        .value("AND", Connective::conjunction)
        .value("OR", Connective::disjunction);

    py::class_<Expression>(m, "Expression", "The meaning of one expression in a vocabulary.")
        .def_property_readonly("text", &Expression::text)
        .def_property_readonly("canonical", &Expression::canonical, "The expression as the engine prints it.")
        .def_property_readonly("form", &Expression::form, "'ve sm', 'compound', 'number', 'user term', ...")
        .def_property_readonly("specificity", &Expression::specificity, "Smaller is more specific; None if unranked.")
        .def_property_readonly("connective", &Expression::connective, "The connective applied last, or None.")
        .def(
            "samples",
            [](const Expression& e, std::optional<int> points) {
                return sampledSet(e.low(), e.high(), points ? e.samples(*points) : e.samples());
            },
            py::arg("points") = py::none(),
            "(x, mu) as numpy arrays: membership degrees at evenly spaced points of the context.")
        .def_property_readonly("coefficients", &Expression::coefficients, "c0, c1 .. cn of a linear expression.")
        .def("__repr__", [](const Expression& e) { return "<zorv.Expression '" + e.text() + "'>"; });

    py::class_<Vocabulary>(m, "Vocabulary", "The words a variable understands over its context.")
        .def_static("linguistic", &Vocabulary::linguistic, py::arg("low"), py::arg("high"),
                    py::arg("shape") = Vocabulary::kDefaultShape, py::arg("discretization") = 301)
        .def_static("triangular", &Vocabulary::triangular, py::arg("low"), py::arg("high"),
                    py::arg("discretization") = 301)
        .def_property_readonly("kind", &Vocabulary::kind)
        .def_property_readonly("low", &Vocabulary::low)
        .def_property_readonly("high", &Vocabulary::high)
        .def_property_readonly("discretization", &Vocabulary::discretization)
        .def_property_readonly("symmetric", &Vocabulary::symmetric)
        .def_property_readonly("user_terms", &Vocabulary::userTerms)
        .def("expression", &Vocabulary::expression, py::arg("text"))
        .def("perceive", &Vocabulary::perceive, py::arg("value"), py::arg("mode") = HedgeMode::all,
             "The expression that best describes a value, abbreviated ('ve sm').")
        .def("apply_word", &Vocabulary::applyWord, py::arg("expression"), py::arg("word"),
             "The expression edited with one word: a term word replaces its term ('ve sm' with 'big' gives "
             "'ve bi'), a hedge word its hedge. A term word replaces a compound or 'about' expression whole; a "
             "hedge word leaves it unchanged.")
        .def(
            "compare_expressions",
            [](const Vocabulary& v, std::string_view a, std::string_view b) {
                return ordering(v.compareExpressions(a, b));
            },
            py::arg("a"), py::arg("b"), "-1 when a sorts first, 1 when b does, 0 when equal, None when unordered.")
        .def("normalize", &Vocabulary::normalize, py::arg("text"))
        .def("__repr__", [](const Vocabulary& v) {
            return "<zorv.Vocabulary " + v.kind() + " <" + py::repr(py::float_(v.low())).cast<std::string>() + ", " +
                   py::repr(py::float_(v.high())).cast<std::string>() + ">>";
        });
}

}  // namespace zorv::python
