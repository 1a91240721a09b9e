#include "ftransform/partition/TFuzzyTriangCover.h"

namespace zorv {

double TFuzzyTriangCover::membership(double x) const {
    if (x < a_ || x > b_) {
        return 0.0;
    }
    if (x >= c_) {
        return (b_ - x) / (b_ - c_);
    }
    return (x - a_) / (c_ - a_);
}

}  // namespace zorv
