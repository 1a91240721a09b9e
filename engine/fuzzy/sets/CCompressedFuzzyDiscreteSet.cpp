#include "fuzzy/sets/CCompressedFuzzyDiscreteSet.h"

namespace zorv {

CCompressedFuzzyDiscreteSet::CCompressedFuzzyDiscreteSet(const CFuzzyDiscreteSet& source)
    : CFuzzyDiscreteSet(source.sizes(), source.universe()) {
    const int f = source.firstNonZero(), l = source.lastNonZero();
    values_ = {};
    first_ = 0;
    if (f > l) return;
    const std::vector<double>& v = source.values();
    const int at = source.storedFirst();
    values_ = std::vector<double>(v.begin() + (f - at), v.begin() + (l - at + 1));
    first_ = f;
}

CCompressedFuzzyDiscreteSet::CCompressedFuzzyDiscreteSet(CFuzzyDiscreteSet&& source)
    : CFuzzyDiscreteSet(std::move(source)) {
    const int f = firstNonZero(), l = lastNonZero();
    if (f > l) {
        values_ = {};
        first_ = 0;
        return;
    }
    // Shift the non-zero range to the front and give back the rest of the array.
    values_.erase(values_.begin() + (l - first_ + 1), values_.end());
    values_.erase(values_.begin(), values_.begin() + (f - first_));
    values_.shrink_to_fit();
    first_ = f;
}

CFuzzyDiscreteSet CCompressedFuzzyDiscreteSet::expanded() const {
    CFuzzyDiscreteSet dense(*this);
    dense.densify();
    return dense;
}

}  // namespace zorv
