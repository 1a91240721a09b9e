#include "inference/defuzzifiers/Defuzzifiers.h"

#include <algorithm>

#include "inference/defuzzifiers/DefuzzifierKernels.h"
#include "inference/compiled/CompiledRuleBase.h"

namespace zorv {

ConclusionView ViewOf(const CompiledRuleBase& compiled, const CFuzzyDiscreteSet& conclusion, ConclusionRange range) {
    const CompiledRules& s = compiled.rules();
    ConclusionView view;
    view.n = conclusion.isDense() ? conclusion.count() : 0;  // the table's entry points densify first
    view.mu = conclusion.values().data();
    view.range = {std::max(range.first, 0), std::min(range.last, view.n - 1), range.outside};
    view.lo = s.low;
    view.hi = s.high;
    view.symmetric = s.symmetric;
    return view;
}

}  // namespace zorv
