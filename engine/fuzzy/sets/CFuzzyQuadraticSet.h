#pragma once

#include "fuzzy/sets/CFuzzyParamSet.h"

namespace zorv {

// "quadratic": a (left foot), b (left point of degree 0.5), c (left end of kernel), d (right end of kernel),
// e (right point of degree 0.5), f (right foot). The flanks are S-curves of two parabolic pieces:
// 0.5 t^2, t = (x - a)/(b - a) on [a, b); 1 - 0.5 t^2, t = (x - c)/(c - b) on [b, c); 1 on [c, d];
// 1 - 0.5 t^2, t = (x - d)/(e - d) on (d, e); 0.5 t^2, t = (x - f)/(f - e) on [e, f] (0.5 when e = f).
class CFuzzyQuadraticSet final : public CFuzzyParamSet {
public:
    CFuzzyQuadraticSet(double a, double b, double c, double d, double e, double f, double low, double high);

    std::string_view typeName() const override { return "quadratic"; }
    std::unique_ptr<CFuzzySet> clone() const override { return std::make_unique<CFuzzyQuadraticSet>(*this); }
    int paramCount() const override { return 6; }

    using CFuzzySet::membership;
    double membership(const double* point) const override { return mu(point[0]); }
    // alpha > 0.5, s = sqrt(2 (1 - alpha)): [c - s (c - b), d + s (e - d)];
    // otherwise s = sqrt(2 alpha): [a + s (b - a), f - s (f - e)].
    CAlphaCut alphaCut(double alpha) const override;

    double mu(double x) const {
        const double a = params_[0], b = params_[1], c = params_[2], d = params_[3], e = params_[4], f = params_[5];
        if (x < a) return 0.0;
        if (x < b) {
            const double t = (x - a) / (b - a);
            return 0.5 * t * t;
        }
        if (x < c) {
            const double t = (x - c) / (c - b);
            return 1.0 - 0.5 * t * t;
        }
        if (x <= d) return 1.0;
        if (x < e) {
            const double t = (x - d) / (e - d);
            return 1.0 - 0.5 * t * t;
        }
        if (x > f) return 0.0;
        if (f == e) return 0.5;
        const double t = (x - f) / (f - e);
        return 0.5 * t * t;
    }

protected:
    void membershipBatch(const double* xs, double* out, std::size_t n) const override;
};

}  // namespace zorv
