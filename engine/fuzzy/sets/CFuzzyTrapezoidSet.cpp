#include "fuzzy/sets/CFuzzyTrapezoidSet.h"

namespace zorv {

CFuzzyTrapezoidSet::CFuzzyTrapezoidSet(double a, double b, double c, double d, double low, double high)
    : CFuzzyParamSet(low, high) {
    params_ = {a, b, c, d};
}

CAlphaCut CFuzzyTrapezoidSet::alphaCut(double alpha) const {
    const double a = params_[0], b = params_[1], c = params_[2], d = params_[3];
    return CAlphaCut::interval(a + alpha * (b - a), d + alpha * (c - d));
}

void CFuzzyTrapezoidSet::membershipBatch(const double* xs, double* out, std::size_t n) const {
    for (std::size_t i = 0; i < n; ++i) out[i] = mu(xs[i]);
}

}  // namespace zorv
