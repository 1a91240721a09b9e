#pragma once

#include "inference/ConclusionRange.h"

namespace zorv {

// A conclusion as the defuzzifiers read it: n samples mu[0..n-1] over the context <lo, hi>, sample j standing
// for lo + j (hi - lo)/(n - 1). Samples outside [range.first, range.last] equal range.outside, so that scans
// need not visit them. symmetric: the context is <-h, h> and the succedent's vocabulary marks it so.
struct ConclusionView {
    const double* mu = nullptr;
    int n = 0;
    ConclusionRange range;
    double lo = 0.0;
    double hi = 0.0;
    bool symmetric = false;

    int last() const { return n - 1; }
    // Whether some sample lies outside the range.
    bool hasOutside() const { return range.first > 0 || range.last < n - 1; }
    // Where the non-zero samples lie: the range when the samples outside it are 0, else the whole grid.
    ConclusionRange nonZero() const { return range.outside == 0.0 ? range : ConclusionRange{0, n - 1}; }
    int half() const { return n / 2; }
    double midpoint() const { return (lo + hi) * 0.5; }
    // value = lo + (c / (n - 1)) (hi - lo); lo for a grid of one point, the midpoint for an empty one.
    double valueAt(double c) const {
        if (n <= 0) return midpoint();
        if (n == 1) return lo;
        return lo + (c / (n - 1)) * (hi - lo);
    }
    double clamp(double v) const { return v < lo ? lo : (v > hi ? hi : v); }
};

// Lowers low to the smallest and raises high to the largest of mu[from..to]. (Four interleaved lanes, so that
// the comparisons need not wait for one another; the result does not depend on the order.)
void ExtendMinMax(const double* mu, int from, int to, double& low, double& high);

// The range of the non-zero samples of mu[0..n-1] (first > last when all are 0; outside 0).
ConclusionRange NonZeroRange(const double* mu, int n);

}  // namespace zorv
