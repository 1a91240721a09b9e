#include "inference/compiled/CompiledRuleBase.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/ERefused.h"
#include "inference/InferenceMethodTable.h"
#include "inference/compiled/EvaluationRefusal.h"
#include "inference/compiled/Workspace.h"
#include "inference/methods/InferenceMethods.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

CompiledRuleBase::CompiledRuleBase(std::shared_ptr<const CompiledRules> rules, EvaluationChoices choices)
    : rules_(std::move(rules)), choices_(std::move(choices)) {
    // Every rule has a flag; rules the choices do not know take no part.
    choices_.enabled.resize(static_cast<std::size_t>(rules_->ruleCount), 0);
    refusal_ = EvaluationRefusal::Of(choices_.type, *choices_.inference);
}

std::shared_ptr<const CompiledRuleBase> CompiledRuleBase::Of(const CRuleBase& unit,
                                                             std::shared_ptr<const CompiledRules> rules) {
    EvaluationChoices choices{unit.descriptionType(), &unit.InferenceMethod(), &unit.DefuzzificationMethod(),
                              unit.PerceptionUpper(), unit.PerceptionLower(), unit.Steps(), {}};
    for (int r = 0; r < unit.RuleCount(); ++r) choices.enabled.push_back(unit.Enabled(r) ? 1 : 0);
    return std::make_shared<const CompiledRuleBase>(std::move(rules), std::move(choices));
}

// A singleton or takagi_sugeno rule base goes through the Takagi-Sugeno inference, which gives the number
// directly; a linguistic one infers the conclusion of its first succedent with its inference method (into the
// workspace, so nothing is allocated) and reduces it with its defuzzification method. A fuzzy-input method
// takes each crisp input as a singleton on its antecedent's grid.
double CompiledRuleBase::evaluate(std::span<const double> inputs, Workspace& ws) const {
    if (refusal_) throw ERefused(*refusal_);
    if (inputs.size() < static_cast<std::size_t>(rules_->antecedentCount)) {
        throw std::invalid_argument("the rule base needs " + std::to_string(rules_->antecedentCount) +
                                    " input values, not " + std::to_string(inputs.size()));
    }
    if (choices_.type != DescriptionType::linguistic) return InferTakagiSugeno(*this, ws, inputs.data());
    CFuzzyDiscreteSet& conclusion = ws.conclusion;
    const ConclusionRange nonZero = InferConclusion(*choices_.inference, *this, ws, inputs.data(), conclusion);
    return choices_.defuzzification->ranged(*this, ws, conclusion, nonZero);
}

double CompiledRuleBase::evaluationCost() const {
    const CompiledRules& r = *rules_;
    const double samples = r.samples;
    const double base = static_cast<double>(r.degreeSlots.size()) + r.ruleCount + 1.0;
    if (choices_.type != DescriptionType::linguistic) return base;
    const bool fuzzyInput = choices_.inference->kind == InferenceKind::FuzzyInput;
    const double inference = base + samples * (fuzzyInput ? r.ruleCount + 1.0 : r.expectedActiveRules + 1.0);
    const double defuzzification = 2.0 * samples;
    if (!choices_.defuzzification->smooth) return inference + defuzzification;
    // The smooth defuzzification runs an inference and a Simple DEE at every point of its neighbourhood whose
    // rules and degrees it has not met before. On rule bases with many overlapping rules (the 343-rule grid)
    // nearly every point is new, so the estimate counts every point: it must not send a long evaluation to
    // the interface thread.
    const double perAxis = std::max(1.0, std::floor(0.8 * choices_.steps / 0.999) + 1.0);
    const double perPoint = inference + defuzzification;
    return std::pow(perAxis, r.antecedentCount) * perPoint;
}

}  // namespace zorv
