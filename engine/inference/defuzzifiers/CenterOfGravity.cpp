#include <algorithm>
#include <cstring>

#include "inference/SampleLanes.h"
#include "inference/VectorClones.h"
#include "inference/defuzzifiers/DefuzzifierKernels.h"

namespace zorv {

namespace {

struct Moments {
    double moment = 0.0;  // sum of j mu[j]
    double weight = 0.0;  // sum of mu[j]
};

// The sums over [from, to], accumulated in four lanes (sample j in lane j mod 4) so that the additions need
// not wait for one another; the lanes are added pairwise at the end. Results may differ from a left-to-right
// sum in the last bits only, and do not depend on how many zeros the range includes around the samples.
ZORV_VECTOR_CLONES Moments SumMoments(const double* mu, int from, int to) {
    Lanes4 m = {0.0, 0.0, 0.0, 0.0};
    Lanes4 w = {0.0, 0.0, 0.0, 0.0};
    int j = from;
    for (; j <= to && (j & 3) != 0; ++j) {
        m[j & 3] += j * mu[j];
        w[j & 3] += mu[j];
    }
    for (; j + 3 <= to; j += 4) {
        const Lanes4 index{static_cast<double>(j), static_cast<double>(j + 1), static_cast<double>(j + 2),
                           static_cast<double>(j + 3)};
        Lanes4 v;
        std::memcpy(&v, mu + j, sizeof v);
        m += index * v;
        w += v;
    }
    for (; j <= to; ++j) {
        m[j & 3] += j * mu[j];
        w[j & 3] += mu[j];
    }
    return {(m[0] + m[1]) + (m[2] + m[3]), (w[0] + w[1]) + (w[2] + w[3])};
}

}  // namespace

// The sums skip the zeros outside c.nonZero(), which add nothing.

double CentroidIndex(const ConclusionView& c, int a, int b) {
    const ConclusionRange nonZero = c.nonZero();
    const int from = std::max({a, 0, nonZero.first});
    const int to = std::min({b, c.n - 1, nonZero.last});
    const Moments s = SumMoments(c.mu, from, to);
    if (s.weight == 0.0) return static_cast<double>((a + b) / 2);
    return s.moment / s.weight;
}

double CenterOfGravity(const ConclusionView& c) {
    const ConclusionRange nonZero = c.nonZero();
    const Moments s = SumMoments(c.mu, std::max(nonZero.first, 0), std::min(nonZero.last, c.n - 1));
    if (s.weight == 0.0) return c.midpoint();
    return c.valueAt(s.moment / s.weight);
}

namespace {

double Minimum(const ConclusionView& c) {
    double m = 1.0;
    double M = 0.0;
    if (c.hasOutside() && c.n > 0) m = std::min(m, c.range.outside);
    ExtendMinMax(c.mu, c.range.first, c.range.last, m, M);
    return m;
}

}  // namespace

double ModifiedCenterOfGravity(const ConclusionView& c) {
    const double m = Minimum(c);
    // Samples at the minimum are left out; with m < 0 the zeros outside the range count too.
    const ConclusionRange nonZero = m < 0.0 ? ConclusionRange{0, c.n - 1} : c.nonZero();
    const int from = nonZero.first;
    const int to = nonZero.last;
    double moment = 0.0;
    double weight = 0.0;
    bool any = false;
    for (int j = from; j <= to; ++j) {
        if (c.mu[j] > m) {
            moment += j * c.mu[j];
            weight += c.mu[j];
            any = true;
        }
    }
    if (!any) return c.midpoint();
    return c.valueAt(moment / weight);
}

}  // namespace zorv
