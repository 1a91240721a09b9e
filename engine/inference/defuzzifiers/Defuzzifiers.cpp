#include "inference/defuzzifiers/Defuzzifiers.h"

#include <algorithm>

#include "inference/defuzzifiers/DefuzzifierKernels.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

ConclusionView ViewOf(const CRuleBase& unit, const CFuzzyDiscreteSet& conclusion, ConclusionRange range) {
    InferenceScratch& s = unit.Scratch();
    s.EnsurePrepared(unit);
    ConclusionView view;
    view.n = conclusion.isDense() ? conclusion.count() : 0;  // the table's entry points densify first
    view.mu = conclusion.values().data();
    view.range = {std::max(range.first, 0), std::min(range.last, view.n - 1), range.outside};
    view.lo = s.low;
    view.hi = s.high;
    view.symmetric = s.symmetric;
    return view;
}

double DefuzzifyCog(CRuleBase& unit, const CFuzzyDiscreteSet& conclusion, ConclusionRange range) {
    return CenterOfGravity(ViewOf(unit, conclusion, range));
}

double DefuzzifyModifiedCog(CRuleBase& unit, const CFuzzyDiscreteSet& conclusion, ConclusionRange range) {
    return ModifiedCenterOfGravity(ViewOf(unit, conclusion, range));
}

double DefuzzifySimpleDee(CRuleBase& unit, const CFuzzyDiscreteSet& conclusion, ConclusionRange range) {
    return SimpleDee(ViewOf(unit, conclusion, range));
}

double DefuzzifySimpleDeeCog(CRuleBase& unit, const CFuzzyDiscreteSet& conclusion, ConclusionRange range) {
    return SimpleDeeCog(ViewOf(unit, conclusion, range));
}

double DefuzzifyDee(CRuleBase& unit, const CFuzzyDiscreteSet& conclusion, ConclusionRange range) {
    return LinguisticDee(ViewOf(unit, conclusion, range));
}

double DefuzzifyMom(CRuleBase& unit, const CFuzzyDiscreteSet& conclusion, ConclusionRange range) {
    return MeanOfMaxima(ViewOf(unit, conclusion, range));
}

}  // namespace zorv
