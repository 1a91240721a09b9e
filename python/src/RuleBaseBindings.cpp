#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <cmath>
#include <map>

#include "RuleBaseData.h"
#include "zorv/Error.h"

namespace zorv::python {

namespace {

using Inputs = std::map<std::string, double, std::less<>>;

VariableRef refOf(const RuleBase& rules, const py::object& variable) {
    if (py::isinstance<VariableRef>(variable)) return variable.cast<VariableRef>();
    const auto name = variable.cast<std::string>();
    const auto found = rules.find(name);
    if (!found) throw Error("no variable named " + name);
    return *found;
}

LearningMethod methodOf(const py::object& method) {
    if (py::isinstance<LearningMethod>(method)) return method.cast<LearningMethod>();
    const auto name = method.cast<std::string>();
    if (name == "approx") return LearningMethod::approx;
    if (name == "pentatomy") return LearningMethod::pentatomy;
    throw Error("unknown learning method '" + name + "'; known: approx, pentatomy");
}

std::filesystem::path pathOf(const std::optional<std::filesystem::path>& path) { return path.value_or(""); }

std::span<const double> valuesOf(const Rows& rows) {
    return {rows.data(), static_cast<std::size_t>(rows.size())};
}

py::array_t<double> evaluateMany(const RuleBase& rules, const Rows& rows, int threads) {
    const std::size_t n = rowCount(rows, rules.inputs().size(), "inputs");
    py::array_t<double> out(static_cast<py::ssize_t>(n));
    const std::span<double> values(out.mutable_data(), n);
    {
        const py::gil_scoped_release release;
        rules.evaluateRows(valuesOf(rows), values, threads);
    }
    return out;
}

double maxError(const RuleBase& rules, const Rows& rows, const Rows& expected, int threads) {
    const std::size_t n = rowCount(rows, rules.inputs().size(), "inputs");
    if (expected.ndim() != 1 || static_cast<std::size_t>(expected.shape(0)) != n) {
        throw ShapeError("expected must hold one value per row (" + std::to_string(n) + ")");
    }
    std::vector<double> values(n);
    {
        const py::gil_scoped_release release;
        rules.evaluateRows(valuesOf(rows), values, threads);
    }
    double largest = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double wanted = expected.data()[i];
        if (!std::isfinite(wanted)) throw Error("row " + std::to_string(i) + ": the expected value is not a finite number");
        largest = std::max(largest, std::fabs(wanted - values[i]));
    }
    return largest;
}

std::string width(const RuleBase& rules) {
    return "the inputs, then the outputs (" + std::to_string(rules.inputs().size() + rules.outputs().size()) + ")";
}

py::tuple stateOf(const RuleBase& rules) {
    return py::make_tuple(rules.text(), rules.name(), rules.steps(), rules.warnings());
}

RuleBase fromState(const py::tuple& state) {
    RuleBase rules = RuleBase::fromText(state[0].cast<std::string>(), state[1].cast<std::string>());
    rules.setSteps(state[2].cast<int>());
    return rules;
}

constexpr const char* kRuleBaseDoc = R"(A fuzzy rule base: input and output variables, rules written as rows of
expressions, and the inference and defuzzification methods that turn crisp inputs into the crisp value of
the first output.

>>> heater = zorv.load("examples/heater.rb")
>>> heater.evaluate([16.5, -3.0])                    # inputs in the order of the file
>>> heater.evaluate({"indoor": 16.5, "outdoor": -3.0})
>>> heater.evaluate_many(rows)                       # a numpy array (n, inputs), without the GIL

Inputs outside a variable's context are taken at its nearest end. Evaluation may run on several threads at
once. A rule base pickles and copies (copy.copy, copy.deepcopy, copy()): the copy evaluates bit for bit like
the original. Failures raise zorv.Error (a ValueError), zorv.ParseError for text that does not read,
zorv.ShapeError for values of the wrong number or shape, zorv.FileError for files.)";

constexpr const char* kLearnDoc = R"(Learns one rule from every data row, as `zorv learn` and the data table's
Learn commands do, and returns a Learning with the learned copy (this rule base stays as it is).

Parameters
----------
data : array (n, inputs + outputs)
    One value per variable a row: the inputs in order, then the outputs. Values are clamped into their
    contexts; a row holding NaN or an infinity, or a value that cannot be described, gives no rule.
method : LearningMethod or str
    "approx" (the best user term of each variable) or "pentatomy" (the best evaluative expression after
    fixed middle terms replace every variable's user terms; linguistic rule bases only).
rules_file : path, optional
    Where the rule list is written: one line per rule, each expression followed by a tab, then the count 1.

The rules of the rule base come first, the learned ones after them in row order; equal rules stay separate.
Raises zorv.Error with the refusal ("indoor does not contain user defined terms.") and zorv.ShapeError for
data of the wrong width.)";

}  // namespace

void bindRuleBase(py::module_& m) {
    py::class_<RuleBase>(m, "RuleBase", kRuleBaseDoc)
        .def_static("load", &RuleBase::load, py::arg("path"),
                    "Reads a rule base file (.rb). Raises zorv.MissingFileError (also a FileNotFoundError) when it "
                    "does not exist, zorv.FileError when it cannot be read, zorv.ParseError with the line at fault "
                    "when it does not read. What the reader corrected is in warnings.")
        .def_static("from_text", &RuleBase::fromText, py::arg("text"), py::arg("name") = "",
                    "Reads the text of a rule base file; name is kept as the rule base's name. Raises "
                    "zorv.ParseError.")
        .def_static("create", &RuleBase::create, py::arg("kind") = RuleBaseKind::linguistic,
                    "A new rule base as the workbench makes one: X and Y over <0, 1> and one rule.")
        .def("save", &RuleBase::save, py::arg("path"),
             "Writes the rule base file; the previous file stays as it was when writing fails (zorv.FileError).")
        .def("text", &RuleBase::text, "The text of the rule base file, as save() writes it.")
        .def("copy", &RuleBase::copy, "An independent copy (methods and steps included).")
        .def("__copy__", &RuleBase::copy)
        .def("__deepcopy__", [](const RuleBase& r, const py::dict&) { return r.copy(); }, py::arg("memo"))
        .def(py::pickle(&stateOf, &fromState))
        .def_property_readonly("warnings", &RuleBase::warnings,
                               "What the reader corrected while loading (a wrong rule count), one line each.")
        .def_property_readonly("name", &RuleBase::name, "The name: the file it was loaded from, or as given.")
        .def_property_readonly("description", &RuleBase::description, "The comment block of the file.")
        .def_property_readonly("kind", &RuleBase::kind, "What the rules conclude (RuleBaseKind).")
        .def_property_readonly("inputs", &RuleBase::inputs, "The input variables, in order (list of Variable).")
        .def_property_readonly("outputs", &RuleBase::outputs, "The output variables, in order (list of Variable).")
        .def_property_readonly("rules", &RuleBase::rules, "The rules, in order (list of Rule).")
        .def("find", &RuleBase::find, py::arg("name"),
             "The VariableRef of the variable of that name (the last output, else the first input), or None.")
        .def(
            "vocabulary",
            [](const RuleBase& r, const py::object& variable) { return r.vocabulary(refOf(r, variable)); },
            py::arg("variable"), "The Vocabulary of a variable given by name or VariableRef.")
        .def_property(
            "inference_method", &RuleBase::inferenceMethod,
            [](RuleBase& r, std::string_view name) { r.setInferenceMethod(name); },
            "The inference method (Method); set it by display name, key or short name. Raises zorv.Error for "
            "an unknown name or one that does not fit the rule base.")
        .def_property(
            "defuzzification_method", &RuleBase::defuzzificationMethod,
            [](RuleBase& r, std::string_view name) { r.setDefuzzificationMethod(name); },
            "The defuzzification method (Method); set it by display name, key or short name.")
        .def("inference_methods", &RuleBase::inferenceMethods, "The inference methods that fit this rule base.")
        .def_static("defuzzification_methods", &RuleBase::defuzzificationMethods,
                    "Every defuzzification method.")
        .def_property("steps", &RuleBase::steps, &RuleBase::setSteps,
                      "The resolution of the smooth defuzzification, 1 to 1000000 (100 unless set; the test "
                      "window and `zorv surface` use 25). Not part of the rule base file, but pickled.")
        .def(
            "grid_values",
            [](const RuleBase& r, const py::object& input, int count) { return r.gridValues(refOf(r, input), count); },
            py::arg("input"), py::arg("count"),
            "count values evenly spaced over a variable's context, low + i (high - low)/(count - 1), the last "
            "exactly high: the points of the surface (count = steps) and of the projection (count = steps + 1).")
        .def(
            "evaluate", [](const RuleBase& r, const Inputs& inputs) { return r.evaluate(inputs); }, py::arg("inputs"),
            "The value of the first output for inputs given by name (a dict), or for one value per input in "
            "input order (a sequence). Raises zorv.ShapeError for the wrong number of values, zorv.Error for "
            "an unknown name or a value that is not finite.")
        .def(
            "evaluate", [](const RuleBase& r, const std::vector<double>& row) { return r.evaluate(row); },
            py::arg("row"))
        .def("evaluate_many", &evaluateMany, py::arg("rows"), py::arg("threads") = 0,
             "The values of the first output for every row of an array of shape (n, inputs) ((n,) for one "
             "input), as a numpy array; runs without the GIL on at most threads threads (0: every core; the "
             "values do not depend on it). Raises zorv.ShapeError for another shape and zorv.Error naming the "
             "first bad row (from 0).")
        .def("max_error", &maxError, py::arg("rows"), py::arg("expected"), py::arg("threads") = 0,
             "The largest |expected - value| over the rows, as `zorv compute` prints it (exact values): rows "
             "as for evaluate_many, expected one finite number per row.")
        .def(
            "explain",
            [](const RuleBase& r, const std::vector<double>& row) { return explanationOf(r, r.explain(row)); },
            py::arg("row"),
            "An Explanation of one evaluation: the value, the fired rules (numbered from 1) and the conclusion.")
        .def(
            "learn",
            [](const RuleBase& r, const Rows& data, const py::object& method,
               const std::optional<std::filesystem::path>& rulesFile) {
                rowCount(data, r.inputs().size() + r.outputs().size(), width(r));
                return learningResultOf(r.learn(methodOf(method), valuesOf(data), pathOf(rulesFile)));
            },
            py::arg("data"), py::arg("method"), py::arg("rules_file") = py::none(), kLearnDoc)
        .def(
            "learn_rows",
            [](const RuleBase& r, const Rows& data, const py::object& method) {
                rowCount(data, r.inputs().size() + r.outputs().size(), width(r));
                return r.learnRows(methodOf(method), valuesOf(data));
            },
            py::arg("data"), py::arg("method"),
            "The first step of learn() on a part of the data: the LearnedRow of every row that gives a rule, "
            "rows counted from 0 within the part. Each row's rule depends on that row alone.")
        .def(
            "add_learned_rules",
            [](const RuleBase& r, const std::vector<LearnedRow>& learned, const py::object& method,
               const std::optional<std::filesystem::path>& rulesFile) {
                return learningResultOf(r.addLearnedRules(methodOf(method), learned, pathOf(rulesFile)));
            },
            py::arg("learned"), py::arg("method"), py::arg("rules_file") = py::none(),
            "The second step of learn(): the Learning made from the LearnedRows of every part, in data order with "
            "rows counted from the first row of the data. Together the steps give what learn() gives.")
        .def("__repr__", [](const RuleBase& r) {
            return "<zorv.RuleBase '" + r.name() + "': " + std::to_string(r.inputs().size()) + " inputs, " +
                   std::to_string(r.outputs().size()) + " outputs, " + std::to_string(r.rules().size()) + " rules>";
        });

    m.def("load", &RuleBase::load, py::arg("path"), "Reads a rule base file (RuleBase.load).");
}

}  // namespace zorv::python
