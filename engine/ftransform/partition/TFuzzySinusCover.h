#pragma once

#include "ftransform/partition/TFuzzyCover.h"

namespace zorv {

// Sinusoidal basic function: 0.5·(1 + sin(π·(2·(x - a) / (b - a) - 0.5))) on [a, b], 0 outside;
// 0 at a and b, 1 at c.
class TFuzzySinusCover final : public TFuzzyCover {
public:
    using TFuzzyCover::TFuzzyCover;

    double membership(double x) const override;
    BasicFunctionShape shape() const override { return BasicFunctionShape::Sinusoidal; }
};

}  // namespace zorv
