#include "fuzzy/sets/CFuzzyTriangSet.h"

namespace zorv {

CFuzzyTriangSet::CFuzzyTriangSet(double a, double b, double c, double low, double high) : CFuzzyParamSet(low, high) {
    params_ = {a, b, c};
}

CAlphaCut CFuzzyTriangSet::alphaCut(double alpha) const {
    const double a = params_[0], b = params_[1], c = params_[2];
    return CAlphaCut::interval(a + alpha * (b - a), c + alpha * (b - c));
}

void CFuzzyTriangSet::membershipBatch(const double* xs, double* out, std::size_t n) const {
    for (std::size_t i = 0; i < n; ++i) out[i] = mu(xs[i]);
}

}  // namespace zorv
