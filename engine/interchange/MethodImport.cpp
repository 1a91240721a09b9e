#include "interchange/MethodImport.h"

#include <span>
#include <string_view>

#include "interchange/AntecedentForms.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"

namespace zorv {

namespace {

bool AnyRule(const ForeignSystem& system, bool (*uses)(const ForeignExpression&)) {
    for (const ForeignRule& rule : system.rules)
        if (rule.antecedent && uses(*rule.antecedent)) return true;
    return false;
}

std::string Label(const std::string& what, const ForeignOperator& op) {
    return what + " " + (op.empty() ? std::string("(none chosen)") : "\"" + op.name + "\"");
}

// A norm the rules use must be the one this system applies.
void RequireNorm(const ForeignOperator& op, const std::string& what, const std::string& wanted, int fallbackLine,
                 ImportIssues& issues) {
    if (op.name == wanted) return;
    issues.Replace(op.empty() ? fallbackLine : op.line, Label(what, op) + " has no counterpart: rules here join with the " +
                                                           (wanted == "Minimum" ? "minimum" : "maximum"),
                   wanted == "Minimum" ? "the minimum" : "the maximum");
}

// The row whose foreign counterpart other tools call name; null when none has it.
template <class Entry>
const Entry* WithCounterpart(std::span<const Entry> rows, std::string_view name) {
    for (const Entry& row : rows)
        if (!name.empty() && row.foreign.name == name) return &row;
    return nullptr;
}

const InferenceMethodEntry* Implication(std::string_view name) {
    return WithCounterpart(InferenceMethodTable(), name);
}

const DefuzzificationMethodEntry* Defuzzifier(std::string_view name) {
    return WithCounterpart(DefuzzificationMethodTable(), name);
}

MethodImport::Methods Mamdani(const ForeignSystem& system, ImportIssues& issues) {
    MethodImport::Methods m;
    const ForeignOperator& implication = system.implication;
    m.inference = Implication(implication.name);
    if (m.inference == nullptr) {
        issues.Replace(implication.line, Label("implication", implication) +
                                             " has no counterpart (minimum, product and bounded difference have)",
                       "the minimum");
        m.inference = Implication("Minimum");
    }
    const ForeignVariable& output = system.outputs.front();
    if (output.aggregation.name != "Maximum") {
        issues.Replace(output.aggregation.empty() ? output.line : output.aggregation.line,
                       Label("aggregation", output.aggregation) + " has no counterpart: rule outputs are joined by the maximum",
                       "the maximum");
    }
    const std::string& defuzzifier = output.defuzzifier.name;
    m.defuzzification = Defuzzifier("Centroid");
    if (defuzzifier == "Centroid") return m;
    // The smallest and largest of the maxima are as near to the mean of maxima here as the mean is.
    const bool maxima = defuzzifier == "MeanOfMaximum" || defuzzifier == "SmallestOfMaximum" ||
                        defuzzifier == "LargestOfMaximum";
    const DefuzzificationMethodEntry* near = maxima ? Defuzzifier("MeanOfMaximum") : nullptr;
    if (issues.Replace(output.defuzzifier.empty() ? output.line : output.defuzzifier.line,
                       Label("defuzzifier", output.defuzzifier) + " has no counterpart (the centroid has)",
                       near != nullptr ? std::string(near->displayName) + ", " + std::string(near->help)
                                       : std::string("the centroid")) &&
        near != nullptr)
        m.defuzzification = near;
    return m;
}

void Sugeno(const ForeignSystem& system, ImportIssues& issues) {
    const ForeignVariable& output = system.outputs.front();
    const ForeignOperator& d = output.defuzzifier;
    const bool average = d.name == "WeightedAverage" &&
                         (d.argument.empty() || d.argument == "TakagiSugeno" || d.argument == "Automatic");
    if (d.name == "WeightedAverage" && d.argument == "Tsukamoto") {
        issues.Refuse(d.line, "the Tsukamoto weighted average has no counterpart");
    } else if (!average) {
        issues.Replace(d.empty() ? output.line : d.line,
                       Label("defuzzifier", d) + " has no counterpart (the weighted average has)", "the weighted average");
    }
}

}  // namespace

MethodImport::Methods MethodImport::Choose(const ForeignSystem& system, ForeignSystem::Type type,
                                           ImportIssues& issues) {
    if (AnyRule(system, &AntecedentForms::UsesAnd))
        RequireNorm(system.conjunction, "conjunction", "Minimum", system.typeLine, issues);
    if (AnyRule(system, &AntecedentForms::UsesOr))
        RequireNorm(system.disjunction, "disjunction", "Maximum", system.typeLine, issues);
    const ForeignOperator& activation = system.activation;
    if (!activation.empty() && activation.name != "General")
        issues.Replace(activation.line, Label("activation", activation) + " has no counterpart: every rule takes part",
                       "General");
    if (type == ForeignSystem::Type::Sugeno) {
        Sugeno(system, issues);
        return {&TakagiSugenoMethod(), &SimpleDeeMethod()};
    }
    return Mamdani(system, issues);
}

}  // namespace zorv
