#pragma once

#include "fuzzy/operations/CBoundedDifference.h"
#include "fuzzy/sets/CFuzzyDiscreteSet.h"

namespace zorv {

// Bounded difference of two sets on one grid: value i = A_i - B_i when positive, else 0.
CFuzzyDiscreteSet boundedDifference(const CFuzzyDiscreteSet& a, const CFuzzyDiscreteSet& b);
// The same in A's array.
CFuzzyDiscreteSet boundedDifference(CFuzzyDiscreteSet&& a, const CFuzzyDiscreteSet& b);

}  // namespace zorv
