#include "interchange/RuleTextWriter.h"

#include "text/NumberText.h"

namespace zorv {

namespace {

std::string Proposition(const std::vector<ForeignVariable>& variables, const ForeignProposition& p) {
    const ForeignVariable& v = variables[static_cast<std::size_t>(p.variable)];
    std::string text = v.name + " is ";
    if (p.negated) text += "not ";
    for (const std::string& hedge : p.hedges) text += hedge + " ";
    text += p.any ? std::string("any") : v.terms[static_cast<std::size_t>(p.term)].name;
    return text;
}

std::string Expression(const ForeignSystem& system, const ForeignExpression& e, bool nested) {
    if (e.kind == ForeignExpression::Kind::Proposition) return Proposition(system.inputs, e.proposition);
    std::string text;
    for (const ForeignExpression& operand : e.operands) {
        if (!text.empty()) text += e.kind == ForeignExpression::Kind::And ? " and " : " or ";
        text += Expression(system, operand, true);
    }
    return nested ? "(" + text + ")" : text;
}

}  // namespace

std::string RuleTextWriter::Format(const ForeignSystem& system, const ForeignRule& rule) {
    std::string text = "if ";
    text += rule.antecedent ? Expression(system, *rule.antecedent, false) : system.inputs.front().name + " is any";
    text += " then ";
    for (std::size_t i = 0; i < rule.consequents.size(); ++i) {
        if (i > 0) text += " and ";
        text += Proposition(system.outputs, rule.consequents[i]);
    }
    if (rule.weight != 1.0) text.append(" with ").append(NumberText::file(rule.weight));
    return text;
}

std::string RuleTextWriter::Numbers(const std::vector<double>& values, const std::string& separator) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) text += separator;
        text += NumberText::file(values[i]);
    }
    return text;
}

}  // namespace zorv
