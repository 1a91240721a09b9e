#include "fuzzy/sets/CFuzzyParamSet.h"

#include <algorithm>

namespace zorv {

void CFuzzyParamSet::getParams(double* out) const {
    if (out) std::copy_n(params_.begin(), paramCount(), out);
}

void CFuzzyParamSet::setParams(const double* in) {
    if (in) std::copy_n(in, paramCount(), params_.begin());
}

std::vector<double> CFuzzyParamSet::params() const {
    return std::vector<double>(params_.begin(), params_.begin() + paramCount());
}

void CFuzzyParamSet::rescale(double oldLow, double oldHigh, double newLow, double newHigh) {
    const double ratio = (newHigh - newLow) / (oldHigh - oldLow);
    for (int i = 0; i < paramCount(); ++i) {
        double& p = params_[static_cast<std::size_t>(i)];
        p = newLow + (p - oldLow) * ratio;
    }
}

double CFuzzyParamSet::setLow(double low) {
    const double oldLow = this->low(), high = this->high();
    if (high != oldLow) rescale(oldLow, high, low, high);
    return CFuzzySet::setLow(low);
}

double CFuzzyParamSet::setHigh(double high) {
    const double low = this->low(), oldHigh = this->high();
    if (oldHigh != low) rescale(low, oldHigh, low, high);
    return CFuzzySet::setHigh(high);
}

}  // namespace zorv
