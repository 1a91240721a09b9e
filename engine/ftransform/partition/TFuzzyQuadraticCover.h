#pragma once

#include "ftransform/partition/TFuzzyCover.h"

namespace zorv {

// Piecewise quadratic (continuous and smooth) basic function with the quarter points
// m1 = (a + c) / 2 and m2 = (c + b) / 2:
//     0.5·((x - a) / (m1 - a))²        on [a, m1)
//     1 - 0.5·((c - x) / (c - m1))²    on [m1, c)
//     1 - 0.5·((x - c) / (m2 - c))²    on [c, m2)
//     0.5·((b - x) / (b - m2))²        on [m2, b]
// and 0 outside [a, b].
class TFuzzyQuadraticCover final : public TFuzzyCover {
public:
    TFuzzyQuadraticCover(double a, double b);

    double membership(double x) const override;
    BasicFunctionShape shape() const override { return BasicFunctionShape::Quadratic; }

    double m1() const { return m1_; }
    double m2() const { return m2_; }

private:
    const double m1_;
    const double m2_;
};

}  // namespace zorv
