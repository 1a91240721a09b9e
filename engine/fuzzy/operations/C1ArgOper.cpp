#include "fuzzy/operations/C1ArgOper.h"

namespace zorv {

CFuzzyDiscreteSet C1ArgOper::applyToSet(const CFuzzyDiscreteSet& a) const {
    return applyToSet(CFuzzyDiscreteSet(a));
}

CFuzzyDiscreteSet C1ArgOper::applyToSet(CFuzzyDiscreteSet&& a) const {
    CFuzzyDiscreteSet result(std::move(a));
    result.densify();
    applyInPlace(result.values());
    return result;
}

}  // namespace zorv
