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

std::string number(double value) { return py::repr(py::float_(value)).cast<std::string>(); }

std::string vocabularyRepr(const Vocabulary& v) {
    std::string text = "<zorv.Vocabulary " + v.kind() + " <" + number(v.low()) + ", " + number(v.high()) + ">";
    const std::vector<std::string> terms = v.userTerms();
    if (!terms.empty()) {
        text += ", user terms";
        for (std::size_t i = 0; i < terms.size(); ++i) text += (i == 0 ? " " : ", ") + terms[i];
    }
    return text + ">";
}

constexpr const char* kVocabularyDoc = R"(The words a variable understands over its context <low, high>.

A "linguistic" vocabulary reads evaluative expressions: small, medium, big and zero, hedged by extremely ..
very roughly, signed on a symmetric context <-h, h> ("-ve sm"), combined with "and" / "or", and "about x";
a "triang" one reads triangles; a "linc" one the linear forms of Takagi-Sugeno rules ("2.5 + x1 - 0.3*x2").
User terms of the rule base file are read like words. Take a variable's vocabulary with
RuleBase.vocabulary(name), or make one with Vocabulary.linguistic() or Vocabulary.triangular().
A vocabulary is an immutable value; it pickles and copies.)";

constexpr const char* kPerceiveDoc = R"(The expression that best describes a value of the context.

Parameters
----------
value : float
    A value of the variable (clipped to the context).
mode : HedgeMode
    Which hedges may be chosen (default every one).
user_terms : bool
    When True the user terms compete too, each taken at the value itself, and a winning one is returned by
    its short name; the hedges then go up to "roughly", as learning describes values.

Returns the abbreviated expression, e.g. "ve sm", "-ro bi", "ze". Raises zorv.Error for a vocabulary that
is not linguistic or a value that is not finite.)";

constexpr const char* kInvertDoc = R"(The expression with its sign inverted, as the rules grid's Invert sign does.

"-" is taken off, "+" becomes "-", otherwise "-" is put in front; in a compound expression every operand is
mirrored, in a linear form every summand. The text comes back unchanged when the context does not straddle
zero (low * high >= 0) or when the inverted text would not read.)";

}  // namespace

void bindVocabulary(py::module_& m) {
    py::enum_<HedgeMode>(m, "HedgeMode", "Which hedges perception may choose from.")
        .value("NONE", HedgeMode::none, "small, medium, big and zero alone")
        .value("COMMON", HedgeMode::common, "no hedge, very, more or less")
        .value("ALL_BUT_RATHER", HedgeMode::allButRather, "every hedge but rather")
        .value("ALL", HedgeMode::all, "every hedge");
    py::enum_<Connective>(m, "Connective", "The connective of a compound expression.")
        .value("AND", Connective::conjunction, "and (minimum)")
        .value("OR", Connective::disjunction, "or (maximum)");

    py::class_<Expression>(m, "Expression", "The meaning of one expression in a vocabulary (Vocabulary.expression).")
        .def_property_readonly("text", &Expression::text, "The expression as it was given.")
        .def_property_readonly("canonical", &Expression::canonical,
                               "The expression as the engine prints it: 'vr sm' reads 'very roughly small'.")
        .def_property_readonly("form", &Expression::form,
                               "The abbreviated form: 've sm', '-ro bi', 'ze', 'undef', or 'compound', 'number' "
                               "(about x), 'user term', 'linear'.")
        .def_property_readonly("specificity", &Expression::specificity,
                               "The rank used to choose among rules: smaller is more specific; None if unranked.")
        .def_property_readonly("connective", &Expression::connective,
                               "The connective applied last in a compound expression, or None.")
        .def_property_readonly("low", &Expression::low, "The low end of the vocabulary's context.")
        .def_property_readonly("high", &Expression::high, "The high end of the vocabulary's context.")
        .def(
            "samples",
            [](const Expression& e, std::optional<int> points) {
                return sampledSet(e.low(), e.high(), points ? e.samples(*points) : e.samples());
            },
            py::arg("points") = py::none(),
            "The fuzzy set as two numpy arrays (x, mu): membership degrees at points evenly spaced over the "
            "context, the first at low and the last at high; as many as the vocabulary's discretization, or "
            "points (1 to 1000000). Raises zorv.Error for a linear expression.")
        .def_property_readonly("coefficients", &Expression::coefficients,
                               "The constant term and the factors of x1 .. xn of a linear expression; "
                               "raises zorv.Error for a fuzzy one.")
        .def_property_readonly("vocabulary", &Expression::vocabulary, "The vocabulary the expression was read in.")
        .def(py::pickle([](const Expression& e) { return py::make_tuple(e.vocabulary().state(), e.text()); },
                        [](const py::tuple& state) {
                            return Vocabulary::fromState(state[0].cast<std::string>())
                                .expression(state[1].cast<std::string>());
                        }))
        .def("__copy__", [](const Expression& e) { return e; })
        .def("__deepcopy__", [](const Expression& e, const py::dict&) { return e; }, py::arg("memo"))
        .def("__repr__", [](const Expression& e) { return "<zorv.Expression '" + e.text() + "'>"; });

    py::class_<Vocabulary>(m, "Vocabulary", kVocabularyDoc)
        .def_static("linguistic", &Vocabulary::linguistic, py::arg("low"), py::arg("high"),
                    py::arg("shape") = Vocabulary::kDefaultShape, py::arg("discretization") = 301,
                    "A linguistic vocabulary over <low, high>. shape: the right end of the kernel of small, the "
                    "left end of the support of medium, the centre of medium and the left end of the kernel of "
                    "big, on the context scaled to [0, 1]; discretization: the points sets are sampled on. "
                    "Raises zorv.Error for low >= high, values that are not finite or a discretization out of "
                    "1 .. 1000000.")
        .def_static("triangular", &Vocabulary::triangular, py::arg("low"), py::arg("high"),
                    py::arg("discretization") = 301,
                    "Triangular small, medium, big over <0, h>, or seven signed terms around zero over <l, h> "
                    "with l < 0 < h (no standard terms on any other context). Errors as for linguistic().")
        .def_property_readonly("kind", &Vocabulary::kind, "'linguistic', 'triang' or 'linc'.")
        .def_property_readonly("low", &Vocabulary::low, "The low end of the context.")
        .def_property_readonly("high", &Vocabulary::high, "The high end of the context.")
        .def_property_readonly("discretization", &Vocabulary::discretization,
                               "The number of points the fuzzy sets are sampled on.")
        .def_property_readonly("symmetric", &Vocabulary::symmetric,
                               "Whether the context is <-h, h>, where signed terms such as '-sm' exist.")
        .def_property_readonly("user_terms", &Vocabulary::userTerms, "The short names of the user terms.")
        .def_property_readonly("standard_terms", &Vocabulary::standardTerms,
                               "The names of the standard terms as expressions read them: 'sm', 'me', 'bi' "
                               "(from '-bi' to '+bi' on a symmetric context), the triangles of 'triang'.")
        .def("expression", &Vocabulary::expression, py::arg("text"),
             "Reads an expression and returns its Expression; raises zorv.ParseError when it does not read.")
        .def("perceive", &Vocabulary::perceive, py::arg("value"), py::arg("mode") = HedgeMode::all,
             py::arg("user_terms") = false, kPerceiveDoc)
        .def("invert_sign", &Vocabulary::invertSign, py::arg("text"), kInvertDoc)
        .def("apply_word", &Vocabulary::applyWord, py::arg("expression"), py::arg("word"),
             "The expression edited with one word: a term word replaces its term ('ve sm' with 'big' gives "
             "'ve bi'), a hedge word its hedge. A term word replaces a compound or 'about' expression whole; a "
             "hedge word leaves it unchanged.")
        .def(
            "compare_expressions",
            [](const Vocabulary& v, std::string_view a, std::string_view b) {
                return ordering(v.compareExpressions(a, b));
            },
            py::arg("a"), py::arg("b"),
            "The sort order of two expressions (signs, then atoms, then hedges): -1 when a sorts first, 1 when "
            "b does, 0 when equal, None when they have no order. Linguistic vocabularies only.")
        .def("normalize", &Vocabulary::normalize, py::arg("text"),
             "The text with every abbreviation written out ('ve sm' gives 'very small'); raises "
             "zorv.ParseError.")
        .def(py::pickle([](const Vocabulary& v) { return py::make_tuple(v.state()); },
                        [](const py::tuple& state) { return Vocabulary::fromState(state[0].cast<std::string>()); }))
        .def("__copy__", [](const Vocabulary& v) { return v; })
        .def("__deepcopy__", [](const Vocabulary& v, const py::dict&) { return v; }, py::arg("memo"))
        .def("__repr__", &vocabularyRepr);
}

}  // namespace zorv::python
