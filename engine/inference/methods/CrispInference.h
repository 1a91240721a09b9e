#pragma once

#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "inference/InferenceScratch.h"

namespace zorv {

class CRuleBase;

// Opening shared by the crisp methods: copies the inputs into the unit's input buffer, clears the fired flags
// and sets firedCount to 0, then computes the degree of every enabled rule,
//   d_r = min over k of A_rk(x_k)   (0 as soon as one antecedent gives 0),
// evaluating each distinct (antecedent, cell) membership once, and lists in scratch.active the enabled rules
// with d_r > 0, in rule order. Returns the unit's scratch.
InferenceScratch& BeginCrispInference(CRuleBase& unit, const double* inputs);

// Copies the inputs into the unit's input buffer (sized to the antecedents).
void StoreInputs(CRuleBase& unit, const InferenceScratch& scratch, const double* inputs);

// Sizes the conclusion to the scratch's conclusion grid (allocating only when it differs) and returns its
// samples, for a method that writes every one of them.
double* SizeConclusion(const InferenceScratch& scratch, CFuzzyDiscreteSet& conclusion);
// The same, setting every sample to value.
double* ResetConclusion(const InferenceScratch& scratch, CFuzzyDiscreteSet& conclusion, double value);

// Sets firedCount to the number of fired rules (only active rules can have fired).
void CountFired(CRuleBase& unit, const InferenceScratch& scratch);

}  // namespace zorv
