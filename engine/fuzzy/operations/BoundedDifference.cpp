#include "fuzzy/operations/BoundedDifference.h"

namespace zorv {

CFuzzyDiscreteSet boundedDifference(const CFuzzyDiscreteSet& a, const CFuzzyDiscreteSet& b) {
    return CBoundedDifference().combine(a, b);
}

CFuzzyDiscreteSet boundedDifference(CFuzzyDiscreteSet&& a, const CFuzzyDiscreteSet& b) {
    return CBoundedDifference().combine(std::move(a), b);
}

}  // namespace zorv
