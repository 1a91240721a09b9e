#pragma once

#include "ftransform/partition/TFuzzyCover.h"

namespace zorv {

// "Fuzzy number" basic function, built from the levels L = 0.2, H = 1 - L and M = (L + H) / 2 with
// the half-widths dl = c - a, dr = b - c and the constants k1 = (H - M)·(H - L), k2 = (M - L)·(H - L):
//     1                                  on [p1L, p1R]      (p1 = c ∓ 0.2·d)
//     1 - (p1L - x)² / (dl²·k1)          on [p2L, p1L)      (p2 = c ∓ 0.5·d)
//     (x - p3L)² / (dl²·k2)              on (p3L, p2L)      (p3 = c ∓ 0.8·d)
//     1 - (p1R - x)² / (dr²·k1)          on (p1R, p2R]
//     (x - p3R)² / (dr²·k2)              on (p2R, p3R)
//     0                                  beyond p3L and p3R
// It is 1 on the middle fifth of each half-width, 0.5 at their midpoints, 0 beyond 0.8 of them.
class TFuzzyNumberCover final : public TFuzzyCover {
public:
    static constexpr double kLow = 0.2;
    static constexpr double kHigh = 1.0 - kLow;
    static constexpr double kMiddle = (kLow + kHigh) / 2.0;
    static constexpr double kK1 = (kHigh - kMiddle) * (kHigh - kLow);
    static constexpr double kK2 = (kMiddle - kLow) * (kHigh - kLow);

    TFuzzyNumberCover(double a, double b);

    double membership(double x) const override;
    BasicFunctionShape shape() const override { return BasicFunctionShape::FuzzyNumber; }

private:
    const double dl_;
    const double dr_;
    const double p1L_, p1R_, p2L_, p2R_, p3L_, p3R_;
};

}  // namespace zorv
