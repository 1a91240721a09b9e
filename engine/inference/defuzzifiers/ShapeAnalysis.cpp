#include "inference/defuzzifiers/ShapeAnalysis.h"

#include <algorithm>
#include <cstring>

#include "inference/SampleLanes.h"
#include "inference/VectorClones.h"

namespace zorv {

// Samples outside c.range all equal c.range.outside, so the scans below visit only the range and the pairs
// that cross its ends.

ConclusionRange NonZeroRange(const double* mu, int n) {
    int first = 0;
    while (first < n && mu[first] == 0.0) ++first;
    if (first == n) return {};
    int last = n - 1;
    while (mu[last] == 0.0) --last;
    return {first, last};
}

ZORV_VECTOR_CLONES void ExtendMinMax(const double* mu, int from, int to, double& low, double& high) {
    Lanes4 lo = {low, low, low, low};
    Lanes4 hi = {high, high, high, high};
    int j = from;
    for (; j + 3 <= to; j += 4) {
        Lanes4 v;
        std::memcpy(&v, mu + j, sizeof v);
        lo = v < lo ? v : lo;
        hi = v > hi ? v : hi;
    }
    for (; j <= to; ++j) {
        lo[0] = mu[j] < lo[0] ? mu[j] : lo[0];
        hi[0] = mu[j] > hi[0] ? mu[j] : hi[0];
    }
    for (int lane = 0; lane < 4; ++lane) {
        if (lo[lane] < low) low = lo[lane];
        if (hi[lane] > high) high = hi[lane];
    }
}

namespace {

// The first j in [from, to] with hit(mu[j]), to + 1 when there is none; four samples are tested per branch.
template <class Hit>
int ScanUp(const double* mu, int from, int to, Hit hit) {
    int j = from;
    for (; j + 3 <= to; j += 4)
        if (hit(mu[j]) | hit(mu[j + 1]) | hit(mu[j + 2]) | hit(mu[j + 3])) break;
    while (j <= to && !hit(mu[j])) ++j;
    return j;
}

// The last j in [from, to] with hit(mu[j]), from - 1 when there is none.
template <class Hit>
int ScanDown(const double* mu, int from, int to, Hit hit) {
    int j = to;
    for (; j - 3 >= from; j -= 4)
        if (hit(mu[j]) | hit(mu[j - 1]) | hit(mu[j - 2]) | hit(mu[j - 3])) break;
    while (j >= from && !hit(mu[j])) --j;
    return j;
}

// Whether some j in [from, to] has broken(mu[j], mu[j + 1]).
template <class Broken>
bool AnyPair(const double* mu, int from, int to, Broken broken) {
    int j = from;
    for (; j + 3 <= to; j += 4)
        if (broken(mu[j], mu[j + 1]) | broken(mu[j + 1], mu[j + 2]) | broken(mu[j + 2], mu[j + 3]) |
            broken(mu[j + 3], mu[j + 4]))
            return true;
    for (; j <= to; ++j)
        if (broken(mu[j], mu[j + 1])) return true;
    return false;
}

// mu[j] == value for a j inside the grid; false outside it.
bool SampleEquals(const ConclusionView& c, int j, double value) { return j >= 0 && j < c.n && c.mu[j] == value; }

// The first j >= from whose sample satisfies hit, n when there is none.
template <class Hit>
int FirstWhere(const ConclusionView& c, int from, Hit hit) {
    const ConclusionRange& r = c.range;
    if (from < r.first) {
        if (hit(r.outside)) return from;
        from = r.first;
    }
    const int j = ScanUp(c.mu, from, r.last, hit);
    if (j <= r.last) return j;
    if (r.last < c.n - 1 && hit(r.outside)) return std::max(from, r.last + 1);
    return c.n;
}

// The last j <= to whose sample satisfies hit, -1 when there is none.
template <class Hit>
int LastWhere(const ConclusionView& c, int to, Hit hit) {
    const ConclusionRange& r = c.range;
    if (to > r.last) {
        if (hit(r.outside)) return to;
        to = r.last;
    }
    const int j = ScanDown(c.mu, r.first, to, hit);
    if (j >= r.first) return j;
    if (r.first > 0 && hit(r.outside)) return std::min(to, r.first - 1);
    return -1;
}

}  // namespace

ShapeInfo AnalyseShape(const ConclusionView& c) {
    ShapeInfo s;
    if (c.n <= 0) return s;  // Constant
    if (c.hasOutside()) {
        s.m = std::min(s.m, c.range.outside);
        s.M = std::max(s.M, c.range.outside);
    }
    ExtendMinMax(c.mu, c.range.first, c.range.last, s.m, s.M);
    if (s.m == s.M) {
        s.shape = ShapeClass::Constant;
        return s;
    }
    // Some sample lies above m and some equals M; the clamps only matter for NaN samples.
    const double m = s.m;
    const double M = s.M;
    s.L1 = std::min(FirstWhere(c, 0, [m](double v) { return v > m; }), c.n - 1);
    s.R1 = std::max(LastWhere(c, c.n - 1, [m](double v) { return v > m; }), 0);
    s.Lm = std::min(FirstWhere(c, s.L1, [M](double v) { return v == M; }), c.n - 1);
    s.Rm = std::max(LastWhere(c, s.R1, [M](double v) { return v == M; }), 0);
    s.shape = s.L1 == s.R1 ? ShapeClass::SinglePoint : ShapeClass::Irregular;
    return s;
}

bool NonDecreasing(const ConclusionView& c, int a, int b) {
    if (c.range.empty()) return true;
    // pairs (j - 1, j) for j = from..to, written as (i, i + 1) for i = from - 1..to - 1
    const int from = std::max({a + 1, c.range.first, 1});
    const int to = std::min({b, c.range.last + 1, c.n - 1});
    return !AnyPair(c.mu, from - 1, to - 1, [](double left, double right) { return !(right >= left); });
}

bool NonIncreasing(const ConclusionView& c, int a, int b) {
    if (c.range.empty()) return true;
    const int from = std::max({a, c.range.first - 1, 0});
    const int to = std::min({b - 1, c.range.last, c.n - 2});
    return !AnyPair(c.mu, from, to, [](double left, double right) { return !(left >= right); });
}

bool ConstantOn(const ConclusionView& c, int a, int b) {
    if (c.range.empty()) return true;
    const int from = std::max({a, c.range.first - 1, 0});
    const int to = std::min({b - 1, c.range.last, c.n - 2});
    return !AnyPair(c.mu, from, to, [](double left, double right) { return left != right; });
}

namespace {

bool IsSettled(const ShapeInfo& s) { return s.shape == ShapeClass::Constant || s.shape == ShapeClass::SinglePoint; }

// A single hill: the first maximum with nothing rising after it and nothing falling before it.
bool IsUnimodal(const ConclusionView& c, const ShapeInfo& s) {
    return SampleEquals(c, s.Lm, s.M) && NonIncreasing(c, s.Lm, c.last()) && NonDecreasing(c, 0, s.Lm);
}

}  // namespace

ShapeClass ClassifyPlateau(const ConclusionView& c, const ShapeInfo& s) {
    if (IsSettled(s)) return s.shape;
    const int half = c.half();
    if (c.symmetric && SampleEquals(c, half, s.M)) {
        if (ConstantOn(c, 0, half - 1)) return ShapeClass::Decreasing;
        if (ConstantOn(c, half + 1, c.last())) return ShapeClass::Increasing;
    }
    if (c.mu[0] == s.M) return ShapeClass::Decreasing;
    if (c.mu[c.last()] == s.M) return ShapeClass::Increasing;
    if (IsUnimodal(c, s)) return ShapeClass::Unimodal;
    return ShapeClass::Irregular;
}

ShapeClass ClassifyMonotonic(const ConclusionView& c, const ShapeInfo& s) {
    if (IsSettled(s)) return s.shape;
    const int half = c.half();
    if (c.symmetric && SampleEquals(c, half, s.M)) {
        if (SampleEquals(c, half - 1, s.m) && NonIncreasing(c, half, c.last()) && NonDecreasing(c, 0, half - 1))
            return ShapeClass::Decreasing;
        if (SampleEquals(c, half + 1, s.m) && NonDecreasing(c, 0, half) && NonIncreasing(c, half + 1, c.last()))
            return ShapeClass::Increasing;
    }
    if (c.mu[0] == s.M && NonIncreasing(c, 0, c.last())) return ShapeClass::Decreasing;
    if (c.mu[c.last()] == s.M && NonDecreasing(c, 0, c.last())) return ShapeClass::Increasing;
    if (IsUnimodal(c, s)) return ShapeClass::Unimodal;
    return ShapeClass::Irregular;
}

}  // namespace zorv
