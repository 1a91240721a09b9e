#include <algorithm>

#include "inference/EStopped.h"
#include "inference/InferenceMethodTable.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "inference/compiled/Workspace.h"
#include "inference/defuzzifiers/DefuzzifierKernels.h"
#include "inference/defuzzifiers/Defuzzifiers.h"
#include "inference/methods/InferenceMethods.h"
#include "inference/smooth/SmoothSums.h"

namespace zorv {

namespace {

// The most numbers the per-axis tables may hold (coordinates, weights, levels and degrees): far more than any
// neighbourhood of a few antecedents needs, and a bound on the memory of a one-antecedent one.
constexpr double kMaxTableValues = 4'000'000;

std::size_t At(int i) { return static_cast<std::size_t>(i); }

double TableValues(const CompiledRules& c, const SmoothAxes& axes) {
    double values = 0.0;
    for (int k = 0; k < axes.axisCount(); ++k)
        values += (axes.expected(k) + 1.0) * (3.0 + c.slotBegin[At(k) + 1] - c.slotBegin[At(k)]);
    return values;
}

bool Tabulate(const CompiledRuleBase& compiled, SmoothScratch& m) {
    const CompiledRules& c = compiled.rules();
    if (compiled.inferenceMethod().kind != InferenceKind::Crisp || c.antecedentCount == 0) return false;
    if (TableValues(c, m.axes) > kMaxTableValues) return false;
    m.axes.List();
    return m.degrees.Compute(c, m.axes, compiled.perceptionUpper(), compiled.perceptionLower());
}

// The Simple DEE of the conclusion at the point with first-antecedent coordinate i and the others at m.index,
// whose key m.rules has just made: the value of the point before when the key is the same, else the cached
// one, else the inference's.
double ValueAt(const CompiledRuleBase& compiled, Workspace& ws, int i) {
    SmoothScratch& m = ws.smooth;
    if (m.rules.SameAsKept()) return m.lastValue;
    const DegreeKey key = m.rules.Key();
    const std::uint64_t hash = SimpleDeeCache::Hash(key);
    const double* cached = m.cache.Find(hash, key);
    double v = 0.0;
    if (cached != nullptr) {
        v = *cached;
    } else {
        for (int k = 0; k < m.axes.axisCount(); ++k)
            m.point[At(k)] = m.axes.Coordinates(k)[At(k == 0 ? i : m.index[At(k)])];
        const ConclusionRange range =
            InferConclusion(compiled.inferenceMethod(), compiled, ws, m.point.data(), m.conclusion);
        v = SimpleDee(ViewOf(compiled, m.conclusion, range));
        m.cache.Insert(hash, key, v);
    }
    m.rules.Keep();
    m.lastValue = v;
    return v;
}

// omega = w_0 w_1 ... multiplied from the first antecedent on, as the plain sum does; the row holds the
// weights of the antecedents after the first.
double Omega(double w0, const std::vector<double>& row) {
    double omega = 1.0 * w0;
    for (const double w : row) omega *= w;
    return omega;
}

void SumRow(const CompiledRuleBase& compiled, Workspace& ws, SmoothSums& sums) {
    SmoothScratch& m = ws.smooth;
    m.rules.BeginRow(m.degrees, m.index.data());
    m.rowWeights.clear();
    for (int k = 1; k < m.axes.axisCount(); ++k) m.rowWeights.push_back(m.axes.Weights(k)[At(m.index[At(k)])]);
    const std::span<const double> w0 = m.axes.Weights(0);
    for (int i = 0; i < static_cast<int>(w0.size()); ++i) {
        const double omega = Omega(w0[At(i)], m.rowWeights);
        m.rules.KeyAt(m.degrees, i);
        const double v = ValueAt(compiled, ws, i);
        sums.weights += omega;
        sums.sum += omega * v;
    }
}

// Moves to the next row; false once the last antecedent has wrapped.
bool NextRow(SmoothScratch& m) {
    for (int k = 1; k < m.axes.axisCount(); ++k) {
        int& i = m.index[At(k)];
        if (++i < static_cast<int>(m.axes.Coordinates(k).size())) return true;
        i = 0;
    }
    return false;
}

}  // namespace

bool SumOnGrid(const CompiledRuleBase& compiled, Workspace& ws, SmoothSums& sums) {
    SmoothScratch& m = ws.smooth;
    if (!Tabulate(compiled, m)) return false;
    m.cache.SetOwner(&compiled.inferenceMethod());
    m.rules.Prepare(compiled, compiled.inferenceMethod().crisp == &InferLogicalDeduction);
    std::fill(m.index.begin(), m.index.end(), 0);
    sums = {};
    do {
        if (ws.stop.stop_requested()) throw EStopped();
        SumRow(compiled, ws, sums);
    } while (NextRow(m));
    return true;
}

}  // namespace zorv
