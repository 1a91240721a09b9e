#pragma once

#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "inference/ConclusionRange.h"
#include "inference/defuzzifiers/ConclusionView.h"

namespace zorv {

class CompiledRuleBase;
class Workspace;

// The conclusion of the first succedent as the defuzzifiers read it (context and symmetric flag of that
// succedent).
ConclusionView ViewOf(const CompiledRuleBase& compiled, const CFuzzyDiscreteSet& conclusion, ConclusionRange range);

// A defuzzification method of the table: one of the kernels of DefuzzifierKernels.h on the unit's first
// succedent.
template <double (*Kernel)(const ConclusionView&)>
double DefuzzifyWith(const CompiledRuleBase& compiled, Workspace&, const CFuzzyDiscreteSet& conclusion,
                     ConclusionRange range) {
    return Kernel(ViewOf(compiled, conclusion, range));
}

// Smooth DEE: a weighted average of Simple DEE over a neighbourhood of the last inputs x (the workspace's).
// Per antecedent, with R = steps * 8 / 10 and d = (hi - lo)/10, the coordinates run from max(lo, x - d) by
// d * 2 * 0.999 / R while they stay <= min(hi, x + d), weighted by the triangle (from, x, to); the unit's
// inference runs at every point of the grid (first antecedent fastest):
//   value = sum omega(p) SimpleDee(infer(p)) / sum omega(p),  omega(p) = prod_k w_k(p_k).
// A point whose rules and degrees were met before takes the Simple DEE found then (SumOnGrid), which gives the
// same sums. The given conclusion is used only when every weight is 0 (its own Simple DEE is returned then). The
// workspace's inputs, fired flags and firedCount are restored to those of the inference at x. Throws ERefused
// when the grid would hold more than kMaxSmoothInferences points.
double DefuzzifySmooth(const CompiledRuleBase& compiled, Workspace& ws, const CFuzzyDiscreteSet& conclusion,
                   ConclusionRange range);
inline constexpr double kMaxSmoothInferences = 10'000'000;

}  // namespace zorv
