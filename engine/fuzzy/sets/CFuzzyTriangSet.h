#pragma once

#include "fuzzy/sets/CFuzzyParamSet.h"

namespace zorv {

// "triang": a (left foot), b (peak), c (right foot).
// mu(x) = (x - a)/(b - a) on [a, b), (c - x)/(c - b) on [b, c], 0 elsewhere; a vertical flank (a = b or b = c)
// counts as 1 at the peak.
class CFuzzyTriangSet final : public CFuzzyParamSet {
public:
    CFuzzyTriangSet(double a, double b, double c, double low, double high);

    std::string_view typeName() const override { return "triang"; }
    std::unique_ptr<CFuzzySet> clone() const override { return std::make_unique<CFuzzyTriangSet>(*this); }
    int paramCount() const override { return 3; }

    using CFuzzySet::membership;
    double membership(const double* point) const override { return mu(point[0]); }
    // [a + alpha (b - a), c + alpha (b - c)].
    CAlphaCut alphaCut(double alpha) const override;

    double mu(double x) const {
        const double a = params_[0], b = params_[1], c = params_[2];
        if (x >= b) {
            if (x > c) return 0.0;
            return b != c ? (c - x) / (c - b) : 1.0;
        }
        if (x < a) return 0.0;
        return a != b ? (x - a) / (b - a) : 1.0;
    }

protected:
    void membershipBatch(const double* xs, double* out, std::size_t n) const override;
};

}  // namespace zorv
