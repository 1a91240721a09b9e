#pragma once

#include "ftransform/partition/BasicFunctionShape.h"

#include <string_view>

namespace zorv {

// One basic function of a fuzzy partition: a bell-like function with support [a, b] that is 1 at
// its centre c = (a + b) / 2 and 0 outside [a, b]. Built on [-h, +h] for an axis with step h, the
// functions of neighbouring nodes add up to 1 between the nodes (a Ruspini partition of unity).
class TFuzzyCover {
public:
    // Throws std::invalid_argument unless a and b are finite and a < b.
    TFuzzyCover(double a, double b);
    virtual ~TFuzzyCover() = default;
    TFuzzyCover(const TFuzzyCover&) = delete;
    TFuzzyCover& operator=(const TFuzzyCover&) = delete;

    // The degree of x, in [0, 1].
    virtual double membership(double x) const = 0;
    // The shape's name: "triangular", "quadratic", "sinusoidal" or "fuzzynumber".
    std::string_view name() const { return basicFunctionName(shape()); }
    virtual BasicFunctionShape shape() const = 0;

    double a() const { return a_; }
    double b() const { return b_; }
    double c() const { return c_; }

protected:
    const double a_;
    const double b_;
    const double c_;
};

}  // namespace zorv
