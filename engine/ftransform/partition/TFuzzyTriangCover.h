#pragma once

#include "ftransform/partition/TFuzzyCover.h"

namespace zorv {

// Triangular basic function: 0 outside [a, b]; (b - x) / (b - c) for x >= c; (x - a) / (c - a) below c.
class TFuzzyTriangCover final : public TFuzzyCover {
public:
    using TFuzzyCover::TFuzzyCover;

    double membership(double x) const override;
    BasicFunctionShape shape() const override { return BasicFunctionShape::Triangular; }
};

}  // namespace zorv
