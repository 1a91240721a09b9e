#include "api/RuleBaseEvaluator.h"

#include <string>

#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "inference/ERefused.h"
#include "inference/InferenceMethodTable.h"
#include "rulebase/CRuleBase.h"
#include "zorv/Error.h"

namespace zorv {

RuleBaseEvaluator::RuleBaseEvaluator(CRuleBase& unit) : unit_(unit), inputs_(unit), row_(inputs_.size()) {}

// A linguistic unit holding the Takagi-Sugeno row would answer +infinity for every input: that is no value
// of its output, so it is refused like a unit without an output.
void RuleBaseEvaluator::checkEvaluable() const {
    if (unit_.SuccedentCount() == 0) throw Error("the rule base has no output variable");
    const InferenceMethodEntry& method = unit_.InferenceMethod();
    if (unit_.descriptionType() == DescriptionType::linguistic && method.kind == InferenceKind::TakagiSugeno) {
        throw Error(std::string(method.displayName) + " does not apply to a linguistic rule base");
    }
}

// The smooth defuzzification refuses neighbourhoods that would take too many inferences.
double RuleBaseEvaluator::run(const double* inputs) const {
    try {
        return unit_.Evaluate(inputs);
    } catch (const ERefused& refused) {
        throw Error(refused.what());
    }
}

double RuleBaseEvaluator::evaluate(std::span<const double> inputs) const {
    const std::lock_guard lock(mutex_);
    checkEvaluable();
    inputs_.prepare(inputs, row_);
    return run(row_.data());
}

// The fired rules and the conclusion are those of the plain inference at the inputs (a smooth
// defuzzification re-runs the inference around them), as the workbench's test window shows them.
Evaluation RuleBaseEvaluator::explain(std::span<const double> inputs) const {
    const std::lock_guard lock(mutex_);
    checkEvaluable();
    inputs_.prepare(inputs, row_);
    Evaluation result;
    result.value = run(row_.data());
    if (unit_.descriptionType() == DescriptionType::linguistic) {
        CFuzzyDiscreteSet conclusion(1, {0.0}, unit_.ContextLow(-1), unit_.ContextHigh(-1));
        InferConclusion(unit_.InferenceMethod(), unit_, row_.data(), conclusion);
        result.conclusion = conclusion.values();
    }
    const auto& fired = unit_.Fired();
    for (std::size_t r = 0; r < fired.size(); ++r) {
        if (fired[r] != 0) result.firedRules.push_back(r);
    }
    return result;
}

void RuleBaseEvaluator::evaluateRows(std::span<const double> rows, std::span<double> out) const {
    const std::size_t n = inputCount();
    if (rows.size() != out.size() * n) {
        throw Error(std::to_string(rows.size()) + " input value(s) do not make " + std::to_string(out.size()) +
                    " row(s) of " + std::to_string(n));
    }
    const std::lock_guard lock(mutex_);
    checkEvaluable();
    for (std::size_t i = 0; i < out.size(); ++i) {
        try {
            inputs_.prepare(rows.subspan(i * n, n), row_);
            out[i] = run(row_.data());
        } catch (const Error& error) {
            throw Error("row " + std::to_string(i) + ": " + error.what());
        }
    }
}

}  // namespace zorv
