#include <cmath>

#include "inference/defuzzifiers/DefuzzifierKernels.h"
#include "inference/defuzzifiers/ShapeAnalysis.h"

namespace zorv {

namespace {

constexpr double kSlopeReach = 0.577;  // how far beyond the maxima the typical part of a slope reaches
constexpr double kPullBack = 0.54;     // share of an overshoot taken back inside

int Nearest(double v) { return static_cast<int>(std::floor(v + 0.5)); }

// A "small"-like conclusion: the typical part ends 0.577 of the falling slope right of the maxima; where that
// point o would stand left of the target t (the middle of a symmetric context, else 0), the right end R1 is
// pulled back and the centroid moved left by the part of the overshoot not taken back.
double DecreasingIndex(const ConclusionView& c, const ShapeInfo& s) {
    const int o = Nearest(s.Rm - kSlopeReach * (s.R1 - s.Rm));
    const int t = c.symmetric && s.Rm >= c.half() ? c.half() : 0;
    int r1 = s.R1;
    if (o < t) r1 = Nearest(r1 - kPullBack * (t - o));
    double index = CentroidIndex(c, o, r1);
    if (o < t) index = index - (1 - kPullBack) * (t - o);
    return index;
}

// The mirror image for a "big"-like conclusion, with the target the middle of a symmetric context or the end.
double IncreasingIndex(const ConclusionView& c, const ShapeInfo& s) {
    const int o = Nearest(s.Lm + kSlopeReach * (s.Lm - s.L1));
    const int t = c.symmetric && s.Lm < c.half() ? c.half() : c.n - 1;
    int l1 = s.L1;
    if (o > t) l1 = Nearest(l1 + kPullBack * (o - t));
    double index = CentroidIndex(c, l1, o);
    if (o > t) index = index + (1 - kPullBack) * (o - t);
    return index;
}

}  // namespace

double LinguisticDee(const ConclusionView& c) {
    const ShapeInfo s = AnalyseShape(c);
    double index = 0.0;
    switch (ClassifyMonotonic(c, s)) {
        case ShapeClass::Constant:
            return c.clamp(c.midpoint());
        case ShapeClass::Decreasing:
            index = DecreasingIndex(c, s);
            break;
        case ShapeClass::Increasing:
            index = IncreasingIndex(c, s);
            break;
        case ShapeClass::Unimodal:
            index = CentroidIndex(c, s.L1, s.R1);
            break;
        case ShapeClass::SinglePoint:
            index = s.L1;
            break;
        case ShapeClass::Irregular:
            index = CentroidIndex(c, 0, c.n - 1);
            break;
    }
    return c.clamp(c.valueAt(index));
}

}  // namespace zorv
