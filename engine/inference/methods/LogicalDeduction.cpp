#include <algorithm>
#include <cstddef>

#include "fuzzy/operations/C2ArgOper.h"
#include "inference/VectorClones.h"
#include "inference/methods/CrispInference.h"
#include "inference/methods/InferenceMethods.h"
#include "inference/methods/PerceptionThreshold.h"
#include "inference/methods/RuleSelection.h"

namespace zorv {

namespace {

void CollectCandidates(const CompiledRuleBase& compiled, Workspace& ws) {
    ws.candidates.clear();
    for (const int r : ws.active)
        ws.candidates.push_back({r, ws.ruleDegree[static_cast<std::size_t>(r)], compiled.specificity(r)});
}

// The hull of the selected rules' supports; outside it every consequent sample is 0.
ConclusionRange SelectedHull(const CompiledRules& c, const Workspace& ws) {
    ConclusionRange hull{c.samples, -1};
    for (const int r : ws.selected) {
        const Consequent& b = c.consequents[static_cast<std::size_t>(r)];
        if (b.first > b.last) continue;
        hull.first = std::min(hull.first, b.first);
        hull.last = std::max(hull.last, b.last);
    }
    return hull;
}

// The deduction folds the selected rules sample by sample: m = 1; per rule, B = 1 leaves m, B = 0 sets
// m = 1 - bestRaw, else m = min(m, I(d, B)), an I of 0 setting m = 0 and ending the fold at that sample.
// Here the rules are folded one after another over all samples, open[j] telling whether sample j still
// folds. (Index and flag types chosen so that the compiler vectorizes the loops.)

// Where B = 0: m = atZero on the open samples.
ZORV_VECTOR_CLONES void SetOpen(double* __restrict mu, const double* __restrict open, std::ptrdiff_t from, std::ptrdiff_t to,
             double atZero) {
    for (std::ptrdiff_t j = from; j <= to; ++j) mu[j] = open[j] != 0.0 ? atZero : mu[j];
}

// Over the rule's support; true when some sample closed.
ZORV_VECTOR_CLONES bool FoldSupport(double* __restrict mu, double* __restrict open, const double* __restrict b, std::ptrdiff_t from,
                 std::ptrdiff_t to, double d, double atZero) {
    for (std::ptrdiff_t j = from; j <= to; ++j) {
        const double bj = b[j];
        const double v = CLukasiewiczImplication::op(d, bj);
        const double m = mu[j];
        const double lowered = v < m ? v : m;
        const double folded = bj == 0.0 ? atZero : lowered;
        mu[j] = open[j] != 0.0 ? folded : m;
    }
    // I(d, B) = (1 - d) + B > 0 for B > 0 unless d > 1: only a degree rounded above 1 can close a sample.
    if (!(d > 1.0)) return false;
    bool closed = false;
    for (std::ptrdiff_t j = from; j <= to; ++j) {
        if (open[j] != 0.0 && b[j] != 0.0 && CLukasiewiczImplication::op(d, b[j]) == 0.0) {
            mu[j] = 0.0;
            open[j] = 0.0;
            closed = true;
        }
    }
    return closed;
}

// Folds one rule over [from, to]; true when some sample closed.
bool FoldRule(double* mu, double* open, const Consequent& b, std::ptrdiff_t from, std::ptrdiff_t to, double d,
              double atZero) {
    if (b.first > b.last || b.last < from || b.first > to) {
        SetOpen(mu, open, from, to, atZero);
        return false;
    }
    const std::ptrdiff_t first = std::max<std::ptrdiff_t>(b.first, from);
    const std::ptrdiff_t last = std::min<std::ptrdiff_t>(b.last, to);
    SetOpen(mu, open, from, first - 1, atZero);
    const bool closed = FoldSupport(mu, open, b.samples, first, last, d, atZero);
    SetOpen(mu, open, last + 1, to, atZero);
    return closed;
}

bool AnyOpen(const double* open, int from, int to) {
    for (int j = from; j <= to; ++j)
        if (open[j] != 0.0) return true;
    return false;
}

// Writes the conclusion of the selection; returns how many of the selected rules were examined at some sample
// (the examined rules always form a prefix of the selection).
int Deduce(const CompiledRules& c, Workspace& ws, double bestRaw, double* mu, ConclusionRange hull) {
    const int n = c.samples;
    const int all = static_cast<int>(ws.selected.size());
    // Outside the hull every rule takes the B = 0 step: m = 1 - bestRaw, and all rules are examined.
    const double atZero = 1.0 - bestRaw;
    const int from = hull.first > hull.last ? n : hull.first;
    const int to = hull.first > hull.last ? n - 1 : hull.last;
    std::fill(mu, mu + from, atZero);
    std::fill(mu + to + 1, mu + n, atZero);
    if (from > to) return n > 0 ? all : 0;
    double* open = ws.open.data();
    std::fill(open + from, open + to + 1, 1.0);
    std::fill(mu + from, mu + to + 1, 1.0);
    int examined = 0;
    for (const int r : ws.selected) {
        ++examined;
        if (FoldRule(mu, open, c.consequents[static_cast<std::size_t>(r)], from, to,
                     ws.ruleDegree[static_cast<std::size_t>(r)], atZero) &&
            !AnyOpen(open, from, to))
            break;
    }
    return from > 0 || to < n - 1 ? all : examined;
}

}  // namespace

ConclusionRange InferLogicalDeduction(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs,
                                      CFuzzyDiscreteSet& conclusion) {
    BeginCrispInference(compiled, ws, inputs);
    const CompiledRules& c = compiled.rules();
    double* mu = SizeConclusion(c, conclusion);
    const double t = PerceptionThreshold(c.contexts, inputs, compiled.perceptionUpper(), compiled.perceptionLower());
    CollectCandidates(compiled, ws);
    const double bestRaw = SelectRules(ws.candidates, t, ws.selected);
    if (ws.selected.empty()) {
        std::fill(mu, mu + c.samples, 0.0);
        return {};
    }
    const ConclusionRange hull = SelectedHull(c, ws);
    const int examined = Deduce(c, ws, bestRaw, mu, hull);
    for (int i = 0; i < examined; ++i) ws.fired[static_cast<std::size_t>(ws.selected[static_cast<std::size_t>(i)])] = 1;
    CountFired(ws);
    if (hull.empty()) return {0, -1, 1.0 - bestRaw};
    return {hull.first, hull.last, 1.0 - bestRaw};
}

}  // namespace zorv
