#include "ftransform/partition/TFuzzyQuadraticCover.h"

namespace zorv {

namespace {

double square(double v) { return v * v; }

}  // namespace

TFuzzyQuadraticCover::TFuzzyQuadraticCover(double a, double b)
    : TFuzzyCover(a, b), m1_((a_ + c_) / 2), m2_((c_ + b_) / 2) {}

double TFuzzyQuadraticCover::membership(double x) const {
    if (x < a_ || x > b_) {
        return 0.0;
    }
    if (x < m1_) {
        return 0.5 * square((x - a_) / (m1_ - a_));
    }
    if (x < c_) {
        return 1.0 - 0.5 * square((c_ - x) / (c_ - m1_));
    }
    if (x < m2_) {
        return 1.0 - 0.5 * square((x - c_) / (m2_ - c_));
    }
    return 0.5 * square((b_ - x) / (b_ - m2_));
}

}  // namespace zorv
