#pragma once

#include "fuzzy/sets/CFuzzyParamSet.h"

namespace zorv {

// "trapezoid": a (left foot), b (left shoulder), c (right shoulder), d (right foot).
// mu(x) = (x - a)/(b - a) on (a, b), 1 on [b, c], (d - x)/(d - c) on (c, d], 0 elsewhere.
class CFuzzyTrapezoidSet final : public CFuzzyParamSet {
public:
    CFuzzyTrapezoidSet(double a, double b, double c, double d, double low, double high);

    std::string_view typeName() const override { return "trapezoid"; }
    std::unique_ptr<CFuzzySet> clone() const override { return std::make_unique<CFuzzyTrapezoidSet>(*this); }
    int paramCount() const override { return 4; }

    using CFuzzySet::membership;
    double membership(const double* point) const override { return mu(point[0]); }
    // [a + alpha (b - a), d + alpha (c - d)].
    CAlphaCut alphaCut(double alpha) const override;

    double mu(double x) const {
        const double a = params_[0], b = params_[1], c = params_[2], d = params_[3];
        if (x >= b) {
            if (x > d) return 0.0;
            return x > c ? (d - x) / (d - c) : 1.0;
        }
        return x > a ? (x - a) / (b - a) : 0.0;
    }

protected:
    void membershipBatch(const double* xs, double* out, std::size_t n) const override;
};

}  // namespace zorv
