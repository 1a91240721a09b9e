#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "inference/methods/InferenceMethods.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

// The plain evaluation path: a singleton or takagi_sugeno unit goes through the Takagi-Sugeno inference,
// which gives the number directly; a linguistic unit infers the conclusion of its first succedent with its
// inference method (into the unit's scratch, so nothing is allocated) and reduces it with its
// defuzzification method. A linguistic unit holding the Takagi-Sugeno row gets that row's answer (+infinity);
// one holding a fuzzy-input row has each crisp input taken as a singleton on its antecedent's grid.
double CRuleBase::Evaluate(const double* inputs) {
    if (descriptionType() != DescriptionType::linguistic) return InferTakagiSugeno(*this, inputs);
    const InferenceMethodEntry& method = InferenceMethod();
    if (method.kind == InferenceKind::TakagiSugeno) return method.takagiSugeno(*this, inputs);
    CFuzzyDiscreteSet& conclusion = Scratch().conclusion;
    const ConclusionRange nonZero = InferConclusion(method, *this, inputs, conclusion);
    return DefuzzificationMethod().ranged(*this, conclusion, nonZero);
}

}  // namespace zorv
