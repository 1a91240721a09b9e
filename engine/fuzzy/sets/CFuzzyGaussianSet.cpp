#include "fuzzy/sets/CFuzzyGaussianSet.h"

#include <cmath>

namespace zorv {

CFuzzyGaussianSet::CFuzzyGaussianSet(double wL, double m1, double m2, double wR, double low, double high)
    : CFuzzyParamSet(low, high) {
    params_ = {wL, m1, m2, wR};
}

double CFuzzyGaussianSet::mu(double x) const {
    const double wL = params_[0], m1 = params_[1], m2 = params_[2], wR = params_[3];
    if (x < m1) return std::exp(-(m1 - x) * (m1 - x) / wL);
    if (x <= m2) return 1.0;
    return std::exp(-(x - m2) * (x - m2) / wR);
}

CAlphaCut CFuzzyGaussianSet::alphaCut(double) const { return CAlphaCut::interval(params_[1], params_[2]); }

void CFuzzyGaussianSet::membershipBatch(const double* xs, double* out, std::size_t n) const {
    for (std::size_t i = 0; i < n; ++i) out[i] = mu(xs[i]);
}

void CFuzzyGaussianSet::rescale(double oldLow, double oldHigh, double newLow, double newHigh) {
    const double ratio = (newHigh - newLow) / (oldHigh - oldLow);
    params_[0] *= ratio;
    params_[1] = newLow + (params_[1] - oldLow) * ratio;
    params_[2] = newLow + (params_[2] - oldLow) * ratio;
    params_[3] *= ratio;
}

}  // namespace zorv
