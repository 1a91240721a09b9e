#include "fuzzy/sets/CFuzzyQuadraticSet.h"

#include <cmath>

namespace zorv {

CFuzzyQuadraticSet::CFuzzyQuadraticSet(double a, double b, double c, double d, double e, double f, double low,
                                       double high)
    : CFuzzyParamSet(low, high) {
    params_ = {a, b, c, d, e, f};
}

CAlphaCut CFuzzyQuadraticSet::alphaCut(double alpha) const {
    const double a = params_[0], b = params_[1], c = params_[2], d = params_[3], e = params_[4], f = params_[5];
    if (alpha > 0.5) {
        const double s = std::sqrt(2.0 * (1.0 - alpha));
        return CAlphaCut::interval(c - s * (c - b), d + s * (e - d));
    }
    const double s = std::sqrt(2.0 * alpha);
    return CAlphaCut::interval(a + s * (b - a), f - s * (f - e));
}

void CFuzzyQuadraticSet::membershipBatch(const double* xs, double* out, std::size_t n) const {
    for (std::size_t i = 0; i < n; ++i) out[i] = mu(xs[i]);
}

}  // namespace zorv
