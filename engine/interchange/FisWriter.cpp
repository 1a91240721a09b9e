#include "interchange/FisWriter.h"

#include <map>

#include "interchange/RuleTextWriter.h"
#include "interchange/ShapeComment.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

std::string Method(const ForeignOperator& op) {
    static const std::map<std::string, std::string> kNames{
        {"Minimum", "min"},           {"Maximum", "max"},     {"AlgebraicProduct", "prod"},
        {"BoundedDifference", "bounded_difference"}, {"Centroid", "centroid"}, {"WeightedAverage", "wtaver"}};
    const auto it = kNames.find(op.name);
    return it != kNames.end() ? it->second : "min";
}

std::string Shape(const std::string& shape) {
    if (shape == "Constant") return "constant";
    if (shape == "Linear") return "linear";
    return "discretemf";
}

void Variable(std::string& out, const ForeignVariable& v, const std::string& section) {
    out += "\n[" + section + "]\n";
    out += "Name='" + v.name + "'\n";
    out += "Range=[" + NumberText::file(v.low) + " " + NumberText::file(v.high) + "]\n";
    out += "NumMFs=" + std::to_string(v.terms.size()) + "\n";
    for (std::size_t i = 0; i < v.terms.size(); ++i) {
        const ForeignTerm& t = v.terms[i];
        if (!t.originShape.empty()) out += ShapeComment::Format(t.originShape, t.originParams, "#") + "\n";
        out += "MF" + std::to_string(i + 1) + "='" + t.name + "':'" + Shape(t.shape) + "',[" +
               RuleTextWriter::Numbers(t.params, " ") + "]\n";
    }
}

int Index(const ForeignProposition& p) { return p.negated ? -(p.term + 1) : p.term + 1; }

std::string Rule(const ForeignSystem& system, const ForeignRule& rule) {
    std::vector<int> inputs(system.inputs.size(), 0);
    if (rule.antecedent) {
        if (rule.antecedent->kind == ForeignExpression::Kind::Proposition) {
            inputs[static_cast<std::size_t>(rule.antecedent->proposition.variable)] = Index(rule.antecedent->proposition);
        } else {
            for (const ForeignExpression& e : rule.antecedent->operands)
                inputs[static_cast<std::size_t>(e.proposition.variable)] = Index(e.proposition);
        }
    }
    std::vector<int> outputs(system.outputs.size(), 0);
    for (const ForeignProposition& c : rule.consequents) outputs[static_cast<std::size_t>(c.variable)] = Index(c);
    std::string text;
    for (const int i : inputs) text += std::to_string(i) + " ";
    text += ",";
    for (const int i : outputs) text.append(" ").append(std::to_string(i));
    return text + " (" + NumberText::file(rule.weight) + ") : 1";
}

}  // namespace

std::string FisWriter::Write(const ForeignSystem& system) {
    const bool sugeno = system.type == ForeignSystem::Type::Sugeno;
    const ForeignVariable& first = system.outputs.front();
    std::string out = "[System]\n";
    out += "Name='" + system.name + "'\n";
    out += std::string("Type='") + (sugeno ? "sugeno" : "mamdani") + "'\n";
    out += "Version=2.0\n";
    out += "NumInputs=" + std::to_string(system.inputs.size()) + "\n";
    out += "NumOutputs=" + std::to_string(system.outputs.size()) + "\n";
    out += "NumRules=" + std::to_string(system.rules.size()) + "\n";
    out += "AndMethod='" + Method(system.conjunction) + "'\n";
    out += "OrMethod='" + Method(system.disjunction) + "'\n";
    out += "ImpMethod='" + (sugeno ? std::string("min") : Method(system.implication)) + "'\n";
    out += "AggMethod='max'\n";
    out += "DefuzzMethod='" + Method(first.defuzzifier) + "'\n";
    for (std::size_t i = 0; i < system.inputs.size(); ++i)
        Variable(out, system.inputs[i], "Input" + std::to_string(i + 1));
    for (std::size_t i = 0; i < system.outputs.size(); ++i)
        Variable(out, system.outputs[i], "Output" + std::to_string(i + 1));
    out += "\n[Rules]\n";
    for (const ForeignRule& rule : system.rules) out += Rule(system, rule) + "\n";
    return out;
}

}  // namespace zorv
