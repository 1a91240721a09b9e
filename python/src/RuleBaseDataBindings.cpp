#include <pybind11/operators.h>
#include <pybind11/stl.h>

#include "RuleBaseData.h"

namespace zorv::python {

namespace {

std::string number(double value) { return py::repr(py::float_(value)).cast<std::string>(); }

std::string joined(const std::vector<std::string>& texts, const std::string& separator) {
    std::string text;
    for (std::size_t i = 0; i < texts.size(); ++i) text += (i == 0 ? "" : separator) + texts[i];
    return text;
}

std::string variableRepr(const Variable& v) {
    std::string text = "<zorv.Variable " + v.name + " <" + number(v.low) + ", " + number(v.high) + "> " +
                       v.vocabulary + ", " + std::to_string(v.discretization) + " points";
    if (!v.userTerms.empty()) text += ", user terms " + joined(v.userTerms, ", ");
    return text + ">";
}

std::string ruleRepr(const Rule& r) {
    return std::string("<zorv.Rule ") + (r.enabled ? "" : "(disabled) ") + joined(r.inputs, " & ") + " -> " +
           joined(r.outputs, " & ") + ">";
}

std::string explanationRepr(const Explanation& e) {
    std::string fired;
    for (std::size_t i = 0; i < e.firedRules.size(); ++i) fired += (i == 0 ? "" : ", ") + std::to_string(e.firedRules[i]);
    std::string text = "<zorv.Explanation value=" + number(e.value) + ", fired rules [" + fired + "]";
    if (!e.conclusion.is_none()) {
        text += ", conclusion of " + std::to_string(py::len(e.conclusion.cast<py::tuple>()[0])) + " points";
    }
    return text + ">";
}

}  // namespace

Explanation explanationOf(const RuleBase& rules, const Evaluation& evaluation) {
    Explanation result{evaluation.value, {}, py::none()};
    for (const std::size_t rule : evaluation.firedRules) result.firedRules.push_back(rule + 1);
    if (!evaluation.conclusion.empty()) {
        const Variable output = rules.outputs().front();
        result.conclusion = sampledSet(output.low, output.high, evaluation.conclusion);
    }
    return result;
}

LearningResult learningResultOf(Learning learning) {
    return LearningResult{py::cast(std::move(learning.ruleBase)), learning.added, std::move(learning.dropped)};
}

void bindRuleBaseData(py::module_& m) {
    py::enum_<RuleBaseKind>(m, "RuleBaseKind", "What the rules of a rule base conclude.")
        .value("LINGUISTIC", RuleBaseKind::linguistic, "evaluative expressions")
        .value("TAKAGI_SUGENO", RuleBaseKind::takagiSugeno, "linear forms of the inputs")
        .value("SINGLETON", RuleBaseKind::singleton, "constants");
    py::enum_<Side>(m, "Side", "Inputs or outputs.").value("INPUT", Side::input).value("OUTPUT", Side::output);
    py::enum_<LearningMethod>(m, "LearningMethod", "How learning describes a data value.")
        .value("APPROX", LearningMethod::approx, "the best-fitting user term of the variable")
        .value("PENTATOMY", LearningMethod::pentatomy,
               "the best evaluative expression, after giving every variable fixed terms in the middle of its "
               "context (LoMe, UpMe; PosLoMe, NegLoMe, PosUpMe, NegUpMe on a symmetric one)");

    py::class_<VariableRef>(m, "VariableRef", "The index-th input or output of a rule base.")
        .def(py::init<Side, std::size_t>(), py::arg("side"), py::arg("index"), "A reference by side and index.")
        .def_readonly("side", &VariableRef::side, "Side.INPUT or Side.OUTPUT.")
        .def_readonly("index", &VariableRef::index, "The position among the inputs or outputs, from 0.")
        .def(py::self == py::self)
        .def("__hash__", [](const VariableRef& r) { return py::hash(py::make_tuple(static_cast<int>(r.side), r.index)); })
        .def("__repr__", [](const VariableRef& r) {
            return std::string(r.side == Side::input ? "<input " : "<output ") + std::to_string(r.index) + ">";
        });
    py::class_<Variable>(m, "Variable", "One input or output variable of a rule base (a snapshot).")
        .def_readonly("name", &Variable::name, "The variable's name.")
        .def_readonly("low", &Variable::low, "The low end of its context.")
        .def_readonly("high", &Variable::high, "The high end of its context.")
        .def_readonly("discretization", &Variable::discretization, "The points its fuzzy sets are sampled on.")
        .def_readonly("vocabulary", &Variable::vocabulary,
                      "The kind of its vocabulary: 'linguistic', 'triang' or 'linc' (RuleBase.vocabulary gives "
                      "the vocabulary itself).")
        .def_readonly("user_terms", &Variable::userTerms, "The short names of its user terms.")
        .def("__repr__", &variableRepr);
    py::class_<Rule>(m, "Rule", "A rule: one expression per input and one per output.")
        .def(py::init([](std::vector<std::string> inputs, std::vector<std::string> outputs, bool enabled) {
                 return Rule{enabled, std::move(inputs), std::move(outputs)};
             }),
             py::arg("inputs"), py::arg("outputs"), py::arg("enabled") = true, "A rule of these texts.")
        .def_readonly("enabled", &Rule::enabled, "Whether the rule takes part in inference.")
        .def_readonly("inputs", &Rule::inputs, "The expressions of the inputs, in input order.")
        .def_readonly("outputs", &Rule::outputs, "The expressions of the outputs, in output order.")
        .def("__eq__", [](const Rule& a, const Rule& b) {
            return a.enabled == b.enabled && a.inputs == b.inputs && a.outputs == b.outputs;
        })
        .def("__hash__", [](const Rule& r) { return py::hash(py::make_tuple(r.enabled, r.inputs, r.outputs)); })
        .def(py::pickle([](const Rule& r) { return py::make_tuple(r.inputs, r.outputs, r.enabled); },
                        [](const py::tuple& t) {
                            return Rule{t[2].cast<bool>(), t[0].cast<std::vector<std::string>>(),
                                        t[1].cast<std::vector<std::string>>()};
                        }))
        .def("__repr__", &ruleRepr);
    py::class_<Method>(m, "Method", "An inference or defuzzification method; any of its three names selects it.")
        .def_readonly("key", &Method::key, "The key stored in rule base files.")
        .def_readonly("short_name", &Method::shortName, "The short name.")
        .def_readonly("display_name", &Method::displayName, "The name the workbench shows.")
        .def("__eq__", [](const Method& a, const Method& b) { return a.key == b.key; })
        .def("__hash__", [](const Method& method) { return py::hash(py::str(method.key)); })
        .def("__repr__", [](const Method& method) { return "<zorv.Method " + method.displayName + ">"; });

    py::class_<Explanation>(m, "Explanation", "One evaluation explained (RuleBase.explain).")
        .def_readonly("value", &Explanation::value, "The crisp value of the first output.")
        .def_readonly("fired_rules", &Explanation::firedRules,
                      "The numbers of the rules that fired, from 1, as the command line and the test window "
                      "number them (rule n is RuleBase.rules[n - 1]).")
        .def_readonly("conclusion", &Explanation::conclusion,
                      "The output fuzzy set of the inference as arrays (x, mu) over the first output's context, "
                      "or None for a rule base that concludes numbers.")
        .def("__repr__", &explanationRepr);

    py::class_<LearnedRow>(m, "LearnedRow", "A rule learned from one data row (RuleBase.learn_rows).")
        .def(py::init([](std::size_t row, Rule rule) { return LearnedRow{row, std::move(rule)}; }), py::arg("row"),
             py::arg("rule"), "The rule learned from a data row.")
        .def_readonly("row", &LearnedRow::row, "The data row, counted from 0.")
        .def_readonly("rule", &LearnedRow::rule, "The rule.")
        .def(py::pickle([](const LearnedRow& r) { return py::make_tuple(r.row, r.rule); },
                        [](const py::tuple& t) { return LearnedRow{t[0].cast<std::size_t>(), t[1].cast<Rule>()}; }))
        .def("__repr__", [](const LearnedRow& r) { return "<zorv.LearnedRow " + std::to_string(r.row) + ": " +
                                                          ruleRepr(r.rule).substr(11); });
    py::class_<LearningResult>(m, "Learning", "What learning made (RuleBase.learn).")
        .def_readonly("rule_base", &LearningResult::ruleBase, "The learned rule base.")
        .def_readonly("added", &LearningResult::added,
                      "The number of rules learned from data rows and put into the rule base.")
        .def_readonly("dropped", &LearningResult::dropped,
                      "One line for every rule left out because a cell does not compile with the vocabularies "
                      "after learning.")
        .def("__repr__", [](const LearningResult& l) {
            return "<zorv.Learning " + std::to_string(l.added) + " rules added, " + std::to_string(l.dropped.size()) +
                   " left out>";
        });
}

}  // namespace zorv::python
