#include "ftransform/partition/TFuzzyCover.h"

#include <cmath>
#include <stdexcept>

namespace zorv {

namespace {

double checkedStart(double a, double b) {
    if (!std::isfinite(a) || !std::isfinite(b) || !(a < b)) {
        throw std::invalid_argument("A basic function needs a finite support [a, b] with a < b.");
    }
    return a;
}

}  // namespace

TFuzzyCover::TFuzzyCover(double a, double b) : a_(checkedStart(a, b)), b_(b), c_((a + b) / 2) {}

}  // namespace zorv
