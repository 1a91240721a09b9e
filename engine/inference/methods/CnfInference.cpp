#include <algorithm>
#include <cstddef>

#include "fuzzy/operations/C2ArgOper.h"
#include "inference/VectorClones.h"
#include "inference/methods/CrispInference.h"
#include "inference/methods/InferenceMethods.h"

namespace zorv {

namespace {

// Lowers mu[from..to] to v where v is smaller; true when some sample was lowered.
// (Index and flag types chosen so that the compiler vectorizes the loops.)
ZORV_VECTOR_CLONES bool LowerTo(double* mu, std::ptrdiff_t from, std::ptrdiff_t to, double v) {
    double lowered = 0.0;
    for (std::ptrdiff_t j = from; j <= to; ++j) {
        const double old = mu[j];
        lowered = v < old ? 1.0 : lowered;
        mu[j] = v < old ? v : old;
    }
    return lowered != 0.0;
}

// Lowers mu[from..to] to I(d, b[j]) where that is smaller; true when some sample was lowered.
ZORV_VECTOR_CLONES bool LowerToImplication(double* __restrict mu, const double* __restrict b, std::ptrdiff_t from, std::ptrdiff_t to,
                        double d) {
    double lowered = 0.0;
    for (std::ptrdiff_t j = from; j <= to; ++j) {
        const double v = CLukasiewiczImplication::op(d, b[j]);
        const double old = mu[j];
        lowered = v < old ? 1.0 : lowered;
        mu[j] = v < old ? v : old;
    }
    return lowered != 0.0;
}

// Folds one rule into the running minimum over [from, to]. Where B_r[j] = 0 the implication is
// I(d, 0) = 1 - d; where B_r[j] = 1 it is 1 and lowers nothing (the rule is skipped there).
bool FoldRule(double* mu, std::ptrdiff_t from, std::ptrdiff_t to, const Consequent& b, double d) {
    const double outside = CLukasiewiczImplication::op(d, 0.0);
    if (b.first > b.last || b.last < from || b.first > to) return LowerTo(mu, from, to, outside);
    const std::ptrdiff_t first = std::max<std::ptrdiff_t>(b.first, from);
    const std::ptrdiff_t last = std::min<std::ptrdiff_t>(b.last, to);
    const bool left = LowerTo(mu, from, first - 1, outside);
    const bool middle = LowerToImplication(mu, b.samples, first, last, d);
    const bool right = LowerTo(mu, last + 1, to, outside);
    return left || middle || right;
}

// The hull of the active rules' supports.
ConclusionRange ActiveHull(const CompiledRules& c, const Workspace& ws) {
    ConclusionRange hull{c.samples, -1};
    for (const int r : ws.active) {
        const Consequent& b = c.consequents[static_cast<std::size_t>(r)];
        if (b.first > b.last) continue;
        hull.first = std::min(hull.first, b.first);
        hull.last = std::max(hull.last, b.last);
    }
    return hull;
}

// Outside the hull every active rule gives I(d_r, 0): all those samples get the same running minimum, and a
// rule is marked there when its value is below the minimum of the rules before it.
// Returns that minimum.
double FoldOutsideHull(double* mu, int n, ConclusionRange hull, Workspace& ws) {
    const bool empty = hull.first > hull.last;
    const int leftEnd = empty ? n : hull.first;  // samples [0, leftEnd) and [rightStart, n) lie outside
    const int rightStart = empty ? n : hull.last + 1;
    double m = 1.0;
    if (leftEnd == 0 && rightStart == n) return m;
    for (const int r : ws.active) {
        const double v = CLukasiewiczImplication::op(ws.ruleDegree[static_cast<std::size_t>(r)], 0.0);
        if (v < m) {
            m = v;
            ws.fired[static_cast<std::size_t>(r)] = 1;
        }
    }
    std::fill(mu, mu + leftEnd, m);
    std::fill(mu + rightStart, mu + n, m);
    return m;
}

}  // namespace

// A rule is marked when it gives some sample a value below the minimum of the rules before it: that is where
// the sample-by-sample fold (stopping at 0) marks it, so the rules can be folded one after another.
ConclusionRange InferCnf(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs,
                         CFuzzyDiscreteSet& conclusion) {
    BeginCrispInference(compiled, ws, inputs);
    const CompiledRules& c = compiled.rules();
    double* mu = SizeConclusion(c, conclusion);
    const ConclusionRange hull = ActiveHull(c, ws);
    const double outside = FoldOutsideHull(mu, c.samples, hull, ws);
    if (hull.first <= hull.last) std::fill(mu + hull.first, mu + hull.last + 1, 1.0);
    for (const int r : ws.active) {
        if (FoldRule(mu, hull.first, hull.last, c.consequents[static_cast<std::size_t>(r)],
                     ws.ruleDegree[static_cast<std::size_t>(r)]))
            ws.fired[static_cast<std::size_t>(r)] = 1;
    }
    CountFired(ws);
    if (hull.empty()) return {0, -1, outside};
    return {hull.first, hull.last, outside};
}

}  // namespace zorv
