#include "fuzzy/operations/CModifier.h"

namespace zorv {

void CModifier::applyInPlace(std::span<double> values) const {
    if (exponent_ == 2.0) {
        for (double& v : values) v = v * v;
    } else if (exponent_ == 0.5) {
        for (double& v : values) v = std::sqrt(v);
    } else {
        for (double& v : values) v = std::pow(v, exponent_);
    }
}

}  // namespace zorv
