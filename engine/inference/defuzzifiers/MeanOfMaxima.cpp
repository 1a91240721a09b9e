#include <algorithm>

#include "inference/defuzzifiers/DefuzzifierKernels.h"

namespace zorv {

int MeanOfMaximaIndex(const ConclusionView& c) {
    if (c.n <= 0) return 0;
    double m = 1.0;
    double M = 0.0;
    if (c.hasOutside()) M = std::max(M, c.range.outside);
    ExtendMinMax(c.mu, c.range.first, c.range.last, m, M);
    // A positive maximum lies among the non-zero samples; a maximum of 0 may be any sample of the grid.
    const ConclusionRange nonZero = M > 0.0 ? c.nonZero() : ConclusionRange{0, c.n - 1};
    const int from = nonZero.first;
    const int to = nonZero.last;
    int k = 0;
    for (int j = from; j <= to; ++j)
        if (c.mu[j] == M) ++k;
    int position = k / 2;
    for (int j = from; j <= to; ++j) {
        if (c.mu[j] != M) continue;
        if (position == 0) return j;
        --position;
    }
    return c.half();  // no sample equals the maximum (NaN samples only)
}

int MeanOfMaximaIndex(const ConclusionView& c, const ShapeInfo& s) {
    int k = 0;
    for (int j = s.Lm; j <= s.Rm; ++j) k += c.mu[j] == s.M ? 1 : 0;
    int position = k / 2;
    for (int j = s.Lm; j <= s.Rm; ++j) {
        if (c.mu[j] != s.M) continue;
        if (position == 0) return j;
        --position;
    }
    return s.Lm;
}

double MeanOfMaxima(const ConclusionView& c) {
    if (c.n <= 0) return c.midpoint();
    return c.valueAt(MeanOfMaximaIndex(c));
}

}  // namespace zorv
