#include <pybind11/operators.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <map>

#include "Bindings.h"
#include "zorv/Error.h"
#include "zorv/RuleBase.h"

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

// Rows of inputs as a C-ordered array of doubles: (rows, inputs), or (rows,) for a rule base of one input.
using Rows = py::array_t<double, py::array::c_style | py::array::forcecast>;

py::array_t<double> evaluateMany(const RuleBase& rules, const Rows& rows) {
    const auto inputs = static_cast<py::ssize_t>(rules.inputs().size());
    const bool flat = rows.ndim() == 1 && inputs == 1;
    if (!flat && (rows.ndim() != 2 || rows.shape(1) != inputs)) {
        throw py::value_error("rows must be an array of shape (n, " + std::to_string(inputs) + ")");
    }
    const py::ssize_t n = rows.shape(0);
    py::array_t<double> out(n);
    const std::span<const double> in(rows.data(), static_cast<std::size_t>(n * inputs));
    const std::span<double> values(out.mutable_data(), static_cast<std::size_t>(n));
    {
        const py::gil_scoped_release release;
        rules.evaluateRows(in, values);
    }
    return out;
}

py::object explain(const RuleBase& rules, const std::vector<double>& row) {
    const Evaluation result = rules.explain(row);
    py::object conclusion = py::none();
    if (!result.conclusion.empty()) {
        const Variable output = rules.outputs().front();
        conclusion = sampledSet(output.low, output.high, result.conclusion);
    }
    const py::object ns = py::module_::import("types").attr("SimpleNamespace");
    return ns(py::arg("value") = result.value, py::arg("fired_rules") = result.firedRules,
              py::arg("conclusion") = conclusion);
}

}  // namespace

void bindRuleBase(py::module_& m) {
    py::enum_<RuleBaseKind>(m, "RuleBaseKind")
        .value("LINGUISTIC", RuleBaseKind::linguistic)
        .value("TAKAGI_SUGENO", RuleBaseKind::takagiSugeno)
        .value("SINGLETON", RuleBaseKind::singleton);
    py::enum_<Side>(m, "Side").value("INPUT", Side::input).value("OUTPUT", Side::output);

    py::class_<VariableRef>(m, "VariableRef", "The index-th input or output of a rule base.")
        .def(py::init<Side, std::size_t>(), py::arg("side"), py::arg("index"))
        .def_readonly("side", &VariableRef::side)
        .def_readonly("index", &VariableRef::index)
        .def(py::self == py::self)
        .def("__repr__", [](const VariableRef& r) {
            return std::string(r.side == Side::input ? "<input " : "<output ") + std::to_string(r.index) + ">";
        });
    py::class_<Variable>(m, "Variable")
        .def_readonly("name", &Variable::name)
        .def_readonly("low", &Variable::low)
        .def_readonly("high", &Variable::high)
        .def_readonly("discretization", &Variable::discretization)
        .def_readonly("vocabulary", &Variable::vocabulary)
        .def_readonly("user_terms", &Variable::userTerms)
        .def("__repr__", [](const Variable& v) { return "<zorv.Variable " + v.name + ">"; });
    py::class_<Rule>(m, "Rule")
        .def_readonly("enabled", &Rule::enabled)
        .def_readonly("inputs", &Rule::inputs)
        .def_readonly("outputs", &Rule::outputs);
    py::class_<Method>(m, "Method")
        .def_readonly("key", &Method::key)
        .def_readonly("short_name", &Method::shortName)
        .def_readonly("display_name", &Method::displayName)
        .def("__repr__", [](const Method& method) { return "<zorv.Method " + method.displayName + ">"; });

    py::class_<RuleBase>(m, "RuleBase", "A fuzzy rule base: variables, rules, inference and defuzzification.")
        .def_static("load", &RuleBase::load, py::arg("path"))
        .def_static("from_text", &RuleBase::fromText, py::arg("text"), py::arg("name") = "")
        .def_static("create", &RuleBase::create, py::arg("kind") = RuleBaseKind::linguistic)
        .def("save", &RuleBase::save, py::arg("path"))
        .def("text", &RuleBase::text, "The text of the rule base file.")
        .def_property_readonly("warnings", &RuleBase::warnings)
        .def_property_readonly("name", &RuleBase::name)
        .def_property_readonly("description", &RuleBase::description)
        .def_property_readonly("kind", &RuleBase::kind)
        .def_property_readonly("inputs", &RuleBase::inputs)
        .def_property_readonly("outputs", &RuleBase::outputs)
        .def_property_readonly("rules", &RuleBase::rules)
        .def("find", &RuleBase::find, py::arg("name"))
        .def(
            "vocabulary",
            [](const RuleBase& r, const py::object& variable) { return r.vocabulary(refOf(r, variable)); },
            py::arg("variable"), "The vocabulary of a variable given by name or VariableRef.")
        .def_property("inference_method", &RuleBase::inferenceMethod,
                      [](RuleBase& r, std::string_view name) { r.setInferenceMethod(name); })
        .def_property("defuzzification_method", &RuleBase::defuzzificationMethod,
                      [](RuleBase& r, std::string_view name) { r.setDefuzzificationMethod(name); })
        .def("inference_methods", &RuleBase::inferenceMethods, "The inference methods that fit this rule base.")
        .def_static("defuzzification_methods", &RuleBase::defuzzificationMethods)
        .def(
            "evaluate", [](const RuleBase& r, const Inputs& inputs) { return r.evaluate(inputs); }, py::arg("inputs"),
            "The value of the first output for inputs given by name.")
        .def(
            "evaluate", [](const RuleBase& r, const std::vector<double>& row) { return r.evaluate(row); },
            py::arg("row"), "The value of the first output for one value per input.")
        .def("evaluate_many", &evaluateMany, py::arg("rows"),
             "Values of the first output for every row of a (n, inputs) array; runs without the GIL.")
        .def("explain", &explain, py::arg("row"),
             "value, fired_rules and conclusion (x, mu arrays; None for a rule base concluding numbers).")
        .def("__repr__", [](const RuleBase& r) { return "<zorv.RuleBase '" + r.name() + "'>"; });

    m.def("load", &RuleBase::load, py::arg("path"), "Reads a rule base file (RuleBase.load).");
}

}  // namespace zorv::python
