#pragma once

#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "inference/ConclusionRange.h"

namespace zorv {

class CompiledRuleBase;
class Workspace;

// The inference methods of the method table. Notation: d_r the degree of rule r at the inputs (minimum of its
// antecedents' memberships), B_r[j] sample j of its first-succedent set, I(a, b) = min(1, 1 - a + b) the
// Lukasiewicz implication, T_L(a, b) = max(0, a + b - 1). Only enabled rules take part. The crisp methods copy
// the inputs into the workspace, clear its fired flags and set firedCount to the number of rules they mark.

// Fuzzy Approximation (CNF): C[j] = min over rules of I(d_r, B_r[j]); a rule is marked where it lowers the
// running minimum.
ConclusionRange InferCnf(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs,
                             CFuzzyDiscreteSet& conclusion);
// Fuzzy Approximation (DNF): C[j] = max over rules of T(d_r, B_r[j]) with T = min, product or T_L; a rule is
// marked where it raises the running maximum.
ConclusionRange InferDnfMin(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs,
                             CFuzzyDiscreteSet& conclusion);
ConclusionRange InferDnfProduct(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs,
                             CFuzzyDiscreteSet& conclusion);
ConclusionRange InferDnfLukasiewicz(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs,
                             CFuzzyDiscreteSet& conclusion);
// Perception-based Logical Deduction: the rules of the highest degree (degrees at or above the perception
// threshold counting as equal) and, among them, the lowest specificity value are selected; C[j] folds
// I(d_r, B_r[j]) over them, a zero consequent sample setting C[j] = 1 - (degree of the selection).
ConclusionRange InferLogicalDeduction(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs,
                             CFuzzyDiscreteSet& conclusion);
// Fuzzy inputs X_k sampled on the antecedents' grids; for every grid combination i of non-zero inputs,
// mu = min_k X_k[i_k] and d_r = min_k A_rk[i_k]:
//   logical:    C[j] = max over i of T_L(mu, min over rules of I(d_r, B_r[j]));
//   functional: C[j] = max over i of min(mu, max over rules of min(d_r, B_r[j])).
// They leave the input buffer and the fired flags untouched.
ConclusionRange InferLogicalFuzzyInput(const CompiledRuleBase& compiled, Workspace& ws,
                                       const CFuzzyDiscreteSet* const* inputs, CFuzzyDiscreteSet& conclusion);
ConclusionRange InferFunctionalFuzzyInput(const CompiledRuleBase& compiled, Workspace& ws,
                                          const CFuzzyDiscreteSet* const* inputs, CFuzzyDiscreteSet& conclusion);
// Takagi-Sugeno: sum_r w_r y_r / sum_r w_r with w_r the rule degree (all antecedents) and y_r = c0 (singleton
// unit) or c0 + c1 x_0 + ... (takagi_sugeno unit); the midpoint of the first succedent's context when every
// weight is 0. Rules with w_r != 0 are marked. (A linguistic rule base is refused before it gets here:
// EvaluationRefusal.)
double InferTakagiSugeno(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs);

}  // namespace zorv
