#include <algorithm>

#include "fuzzy/operations/C2ArgOper.h"
#include "inference/defuzzifiers/ConclusionView.h"
#include "inference/methods/CrispInference.h"
#include "inference/methods/InferenceMethods.h"

namespace zorv {

namespace {

// The grid indices of axis k worth visiting: those where the input set is not 0 (a combination with a zero or
// negative input degree changes neither conclusion: T_L(mu, R) = 0 and min(mu, R) <= 0 there).
struct AxisSpan {
    int first = 0;
    int last = -1;
};

AxisSpan SpanOf(const CFuzzyDiscreteSet& input, int gridSize) {
    return {std::max(input.firstNonZero(), 0), std::min(input.lastNonZero(), gridSize - 1)};
}

double SampleOf(const DegreeSlot& slot, int i) {
    if (slot.cell == nullptr || i >= slot.cell->SampleCount()) return 0.0;
    return slot.cell->Samples()[i];
}

// Visits every combination of non-zero input degrees, axis 0 fastest, calling visit(mu) with the
// degrees of the slots (antecedent cells) at that combination in scratch.slotDegree.
template <class Visit>
void ForEachCombination(const CompiledRules& c, Workspace& ws, const CFuzzyDiscreteSet* const* inputs, Visit visit) {
    const int nAnt = c.antecedentCount;
    std::vector<int>& index = ws.combination;
    for (int k = 0; k < nAnt; ++k) {
        const AxisSpan span = SpanOf(*inputs[k], c.discretizations[static_cast<std::size_t>(k)]);
        if (span.first > span.last) return;
        index[static_cast<std::size_t>(k)] = span.first;
    }
    for (;;) {
        double mu = nAnt > 0 ? inputs[0]->valueAt(index[0]) : 1.0;
        for (int k = 1; k < nAnt && mu > 0.0; ++k) mu = CMinTNorm::op(mu, inputs[k]->valueAt(index[static_cast<std::size_t>(k)]));
        if (mu > 0.0) {
            for (std::size_t i = 0; i < c.degreeSlots.size(); ++i)
                ws.slotDegree[i] = SampleOf(c.degreeSlots[i], index[static_cast<std::size_t>(c.degreeSlots[i].antecedent)]);
            visit(mu);
        }
        int k = 0;
        for (; k < nAnt; ++k) {
            const AxisSpan span = SpanOf(*inputs[k], c.discretizations[static_cast<std::size_t>(k)]);
            if (++index[static_cast<std::size_t>(k)] <= span.last) break;
            index[static_cast<std::size_t>(k)] = span.first;
        }
        if (k == nAnt) return;
    }
}

double RuleDegreeAt(const CompiledRules& c, const Workspace& ws, int rule) {
    const int* slots = c.ruleSlots.data() + static_cast<std::size_t>(rule) * static_cast<std::size_t>(c.antecedentCount);
    double d = c.antecedentCount > 0 ? ws.slotDegree[static_cast<std::size_t>(slots[0])] : 1.0;
    for (int k = 1; k < c.antecedentCount && d != 0.0; ++k) d = CMinTNorm::op(d, ws.slotDegree[static_cast<std::size_t>(slots[k])]);
    return d;
}

// R[j] = min over enabled rules of I(d_r, B_r[j]) (rules of degree 0 give I = 1 and are skipped).
void LogicalRow(const CompiledRuleBase& compiled, Workspace& ws) {
    const CompiledRules& c = compiled.rules();
    double* row = ws.combined.data();
    std::fill(row, row + c.samples, 1.0);
    for (int r = 0; r < c.ruleCount; ++r) {
        if (!compiled.enabled(r)) continue;
        const double d = RuleDegreeAt(c, ws, r);
        if (d == 0.0) continue;
        const Consequent& b = c.consequents[static_cast<std::size_t>(r)];
        for (int j = 0; j < c.samples; ++j) {
            const double bj = b.at(j);
            if (row[j] != 0.0 && bj != 1.0) row[j] = CMinTNorm::op(row[j], CLukasiewiczImplication::op(d, bj));
        }
    }
}

// R[j] = max over enabled rules of min(d_r, B_r[j]) (zero outside the consequents' supports).
void FunctionalRow(const CompiledRuleBase& compiled, Workspace& ws) {
    const CompiledRules& c = compiled.rules();
    double* row = ws.combined.data();
    std::fill(row, row + c.samples, 0.0);
    for (int r = 0; r < c.ruleCount; ++r) {
        if (!compiled.enabled(r)) continue;
        const double d = RuleDegreeAt(c, ws, r);
        if (d == 0.0) continue;
        const Consequent& b = c.consequents[static_cast<std::size_t>(r)];
        for (int j = b.first; j <= b.last; ++j) row[j] = CMaxTConorm::op(row[j], CMinTNorm::op(d, b.samples[j]));
    }
}

}  // namespace

ConclusionRange InferLogicalFuzzyInput(const CompiledRuleBase& compiled, Workspace& ws,
                                       const CFuzzyDiscreteSet* const* inputs, CFuzzyDiscreteSet& conclusion) {
    ws.Fit(compiled);
    const CompiledRules& rules = compiled.rules();
    double* c = ResetConclusion(rules, conclusion, 0.0);
    ForEachCombination(rules, ws, inputs, [&](double mu) {
        LogicalRow(compiled, ws);
        for (int j = 0; j < rules.samples; ++j)
            if (c[j] != 1.0) c[j] = CMaxTConorm::op(c[j], CLukasiewiczTNorm::op(mu, ws.combined[static_cast<std::size_t>(j)]));
    });
    return NonZeroRange(c, rules.samples);
}

ConclusionRange InferFunctionalFuzzyInput(const CompiledRuleBase& compiled, Workspace& ws,
                                          const CFuzzyDiscreteSet* const* inputs, CFuzzyDiscreteSet& conclusion) {
    ws.Fit(compiled);
    const CompiledRules& rules = compiled.rules();
    double* c = ResetConclusion(rules, conclusion, 0.0);
    ForEachCombination(rules, ws, inputs, [&](double mu) {
        FunctionalRow(compiled, ws);
        for (int j = 0; j < rules.samples; ++j)
            c[j] = CMaxTConorm::op(c[j], CMinTNorm::op(mu, ws.combined[static_cast<std::size_t>(j)]));
    });
    return NonZeroRange(c, rules.samples);
}

}  // namespace zorv
