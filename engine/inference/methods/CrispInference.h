#pragma once

#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "inference/compiled/Workspace.h"

namespace zorv {

// Opening shared by the crisp methods: fits the workspace to the compiled rules, copies the inputs into it,
// clears the fired flags and sets firedCount to 0, then computes the degree of every enabled rule,
//   d_r = min over k of A_rk(x_k)   (0 as soon as one antecedent gives 0),
// evaluating each distinct (antecedent, cell) membership once, and lists in ws.active the enabled rules with
// d_r > 0, in rule order.
void BeginCrispInference(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs);

// Copies the inputs into the workspace (sized to the antecedents).
void StoreInputs(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs);

// Sizes the conclusion to the conclusion grid (allocating only when it differs) and returns its samples, for a
// method that writes every one of them.
double* SizeConclusion(const CompiledRules& rules, CFuzzyDiscreteSet& conclusion);
// The same, setting every sample to value.
double* ResetConclusion(const CompiledRules& rules, CFuzzyDiscreteSet& conclusion, double value);

// Sets firedCount to the number of fired rules (only active rules can have fired).
void CountFired(Workspace& ws);

}  // namespace zorv
