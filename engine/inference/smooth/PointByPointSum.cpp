#include "inference/EStopped.h"
#include "inference/InferenceMethodTable.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "inference/compiled/Workspace.h"
#include "inference/defuzzifiers/DefuzzifierKernels.h"
#include "inference/defuzzifiers/Defuzzifiers.h"
#include "inference/smooth/SmoothSums.h"

namespace zorv {

namespace {

// Moves the point to the next one, first antecedent fastest; false once the last antecedent has wrapped.
bool Advance(SmoothScratch& m) {
    for (int k = 0; k < m.axes.axisCount(); ++k) {
        const auto i = static_cast<std::size_t>(k);
        const bool more = m.axes.Next(k, m.point[i]);
        if (!more) m.point[i] = m.axes.from(k);
        m.weight[i] = m.axes.Weight(k, m.point[i]);
        if (more) return true;
    }
    return false;
}

double Omega(const SmoothScratch& m) {
    double omega = 1.0;
    for (const double w : m.weight) omega *= w;
    return omega;
}

}  // namespace

SmoothSums SumPointByPoint(const CompiledRuleBase& compiled, Workspace& ws) {
    SmoothScratch& m = ws.smooth;
    for (int k = 0; k < m.axes.axisCount(); ++k) {
        const auto i = static_cast<std::size_t>(k);
        m.point[i] = m.axes.from(k);
        m.weight[i] = m.axes.Weight(k, m.point[i]);
    }
    const InferenceMethodEntry& method = compiled.inferenceMethod();
    SmoothSums sums;
    do {
        if (ws.stop.stop_requested()) throw EStopped();
        const ConclusionRange range = InferConclusion(method, compiled, ws, m.point.data(), m.conclusion);
        const double omega = Omega(m);
        const double v = SimpleDee(ViewOf(compiled, m.conclusion, range));
        sums.weights += omega;
        sums.sum += omega * v;
    } while (Advance(m));
    return sums;
}

}  // namespace zorv
