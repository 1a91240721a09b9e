#include "fuzzy/sets/CFuzzyACutSet.h"

#include <algorithm>

namespace zorv {

CFuzzyACutSet::CFuzzyACutSet(std::vector<double> levels, std::vector<CAlphaCut> cuts, double low, double high)
    : CFuzzySet(CUniverse(low, high)), levels_(std::move(levels)), cuts_(std::move(cuts)) {
    const std::size_t n = std::min(levels_.size(), cuts_.size());
    levels_.resize(n);
    cuts_.resize(n);
}

double CFuzzyACutSet::membershipOf(const double* point) const {
    double degree = 0.0;
    for (std::size_t i = 0; i < cuts_.size() && cuts_[i].contains(point); ++i) degree = levels_[i];
    return degree;
}

CAlphaCut CFuzzyACutSet::cutAt(int i) const {
    if (i < 1 || i > levelCount()) return CAlphaCut::empty();
    return cuts_[static_cast<std::size_t>(i - 1)];
}

CAlphaCut CFuzzyACutSet::cutForLevel(double alpha) const {
    if (levels_.empty() || !(alpha >= levels_.front())) return CAlphaCut::empty();
    const auto above = std::upper_bound(levels_.begin(), levels_.end(), alpha);
    return cuts_[static_cast<std::size_t>(above - levels_.begin()) - 1];
}

}  // namespace zorv
