#include <algorithm>
#include <cstddef>

#include "fuzzy/operations/C2ArgOper.h"
#include "inference/VectorClones.h"
#include "inference/methods/CrispInference.h"
#include "inference/methods/InferenceMethods.h"

namespace zorv {

namespace {

// Folds one rule into the running maximum over its consequent's support (outside it B_r[j] = 0 and
// T(d, 0) = 0 raises nothing); true when some sample was raised.
// (Index and flag types chosen so that the compiler vectorizes the loop.)
template <class TNorm>
inline bool RaiseLoop(double* __restrict mu, const double* __restrict b, std::ptrdiff_t from, std::ptrdiff_t to,
                      double d) {
    double raised = 0.0;
    for (std::ptrdiff_t j = from; j <= to; ++j) {
        const double v = TNorm::op(d, b[j]);
        const double old = mu[j];
        raised = v > old ? 1.0 : raised;
        mu[j] = v > old ? v : old;
    }
    return raised != 0.0;
}

ZORV_VECTOR_CLONES bool RaiseByMin(double* mu, const double* b, std::ptrdiff_t from, std::ptrdiff_t to, double d) {
    return RaiseLoop<CMinTNorm>(mu, b, from, to, d);
}
ZORV_VECTOR_CLONES bool RaiseByProduct(double* mu, const double* b, std::ptrdiff_t from, std::ptrdiff_t to, double d) {
    return RaiseLoop<CProductTNorm>(mu, b, from, to, d);
}
ZORV_VECTOR_CLONES bool RaiseByLukasiewicz(double* mu, const double* b, std::ptrdiff_t from, std::ptrdiff_t to,
                                           double d) {
    return RaiseLoop<CLukasiewiczTNorm>(mu, b, from, to, d);
}

using RaiseFn = bool (*)(double*, const double*, std::ptrdiff_t, std::ptrdiff_t, double);

// A rule is marked when it gives some sample a value above the maximum of the rules before it: that is where
// the sample-by-sample fold (stopping at 1) marks it, so the rules can be folded one after another.
ConclusionRange InferDnf(RaiseFn raiseBy, const CompiledRuleBase& compiled, Workspace& ws, const double* inputs,
                         CFuzzyDiscreteSet& conclusion) {
    BeginCrispInference(compiled, ws, inputs);
    const CompiledRules& c = compiled.rules();
    double* mu = ResetConclusion(c, conclusion, 0.0);
    ConclusionRange range{c.samples, -1};
    for (const int r : ws.active) {
        const Consequent& b = c.consequents[static_cast<std::size_t>(r)];
        if (b.first > b.last) continue;
        if (raiseBy(mu, b.samples, b.first, b.last, ws.ruleDegree[static_cast<std::size_t>(r)]))
            ws.fired[static_cast<std::size_t>(r)] = 1;
        range.first = std::min(range.first, b.first);
        range.last = std::max(range.last, b.last);
    }
    CountFired(ws);
    return range;
}

}  // namespace

ConclusionRange InferDnfMin(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs,
                         CFuzzyDiscreteSet& conclusion) {
    return InferDnf(&RaiseByMin, compiled, ws, inputs, conclusion);
}

ConclusionRange InferDnfProduct(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs,
                         CFuzzyDiscreteSet& conclusion) {
    return InferDnf(&RaiseByProduct, compiled, ws, inputs, conclusion);
}

ConclusionRange InferDnfLukasiewicz(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs,
                         CFuzzyDiscreteSet& conclusion) {
    return InferDnf(&RaiseByLukasiewicz, compiled, ws, inputs, conclusion);
}

}  // namespace zorv
