#pragma once

#include "fuzzy/sets/CFuzzyParamSet.h"

namespace zorv {

// "gaussian": wL (left width), m1 (left end of kernel), m2 (right end of kernel), wR (right width).
// mu(x) = exp(-(m1 - x)^2 / wL) left of m1, 1 on [m1, m2], exp(-(x - m2)^2 / wR) right of m2
// (the width divides the squared distance directly). A context change maps m1, m2 as points and multiplies
// both widths by the ratio of the context lengths.
class CFuzzyGaussianSet final : public CFuzzyParamSet {
public:
    CFuzzyGaussianSet(double wL, double m1, double m2, double wR, double low, double high);

    std::string_view typeName() const override { return "gaussian"; }
    std::unique_ptr<CFuzzySet> clone() const override { return std::make_unique<CFuzzyGaussianSet>(*this); }
    int paramCount() const override { return 4; }

    using CFuzzySet::membership;
    double membership(const double* point) const override { return mu(point[0]); }
    // The kernel [m1, m2] at every level.
    CAlphaCut alphaCut(double alpha) const override;

    double mu(double x) const;

protected:
    void membershipBatch(const double* xs, double* out, std::size_t n) const override;
    void rescale(double oldLow, double oldHigh, double newLow, double newHigh) override;
};

}  // namespace zorv
