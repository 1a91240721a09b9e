#include "app/core/TestEvaluation.h"

#include "inference/ERefused.h"
#include "inference/InferenceMethodTable.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

TestOutcome TestEvaluation::Run(CRuleBase& unit, std::vector<double> inputs) {
    TestOutcome outcome;
    outcome.inputs = std::move(inputs);
    if (unit.SuccedentCount() == 0) {
        outcome.refusal = "The rule base has no output variable.";
        return outcome;
    }
    if (outcome.inputs.size() != static_cast<std::size_t>(unit.AntecedentCount())) {
        outcome.refusal = "The rule base's input variables changed; open the test window again.";
        return outcome;
    }
    try {
        outcome.value = unit.Evaluate(outcome.inputs.data());
    } catch (const ERefused& refused) {
        outcome.refusal = refused.what();
        return outcome;
    }
    const bool setInferred = unit.descriptionType() == DescriptionType::linguistic &&
                             unit.InferenceMethod().kind != InferenceKind::TakagiSugeno;
    if (setInferred) outcome.conclusion = unit.Scratch().conclusion;
    outcome.fired = unit.Fired();
    outcome.firedCount = unit.FiredCount();
    return outcome;
}

}  // namespace zorv
