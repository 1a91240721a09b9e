#include "ftransform/partition/TFuzzySinusCover.h"

#include <cmath>
#include <numbers>

namespace zorv {

double TFuzzySinusCover::membership(double x) const {
    if (x < a_ || x > b_) {
        return 0.0;
    }
    return 0.5 * (1.0 + std::sin(std::numbers::pi * (2.0 * (x - a_) / (b_ - a_) - 0.5)));
}

}  // namespace zorv
