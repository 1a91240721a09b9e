#include "inference/methods/CrispInference.h"

#include <algorithm>
#include <cstddef>

namespace zorv {

namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

void ComputeSlotDegrees(const CompiledRules& c, Workspace& ws, const double* inputs) {
    const DegreeSlot* slots = c.degreeSlots.data();
    double* degree = ws.slotDegree.data();
    const std::size_t count = c.degreeSlots.size();
    for (std::size_t i = 0; i < count; ++i)
        degree[i] = slots[i].cell != nullptr ? slots[i].cell->Degree(inputs[slots[i].antecedent]) : 0.0;
}

// The antecedent whose non-zero memberships are shared by the fewest rules: only those rules can have a
// non-zero degree, since a rule's degree is 0 as soon as one antecedent gives 0.
int NarrowestAntecedent(const CompiledRules& c, const Workspace& ws) {
    int best = 0;
    int bestCount = c.ruleCount + 1;
    for (int k = 0; k < c.antecedentCount; ++k) {
        int count = 0;
        for (int i = c.slotBegin[At(k)]; i < c.slotBegin[At(k) + 1]; ++i)
            if (ws.slotDegree[At(i)] != 0.0) count += c.slotRuleBegin[At(i) + 1] - c.slotRuleBegin[At(i)];
        if (count < bestCount) {
            best = k;
            bestCount = count;
        }
    }
    return best;
}

// Puts the short list back in rule order.
void InsertionSort(std::vector<int>& list) {
    for (std::size_t i = 1; i < list.size(); ++i) {
        const int value = list[i];
        std::size_t j = i;
        for (; j > 0 && list[j - 1] > value; --j) list[j] = list[j - 1];
        list[j] = value;
    }
}

// Computes d_r = min over k of the slot degrees of rule r (0 as soon as one is 0) for the enabled rules
// among the candidates, and lists those with d_r > 0.
class RuleDegrees {
public:
    RuleDegrees(const CompiledRuleBase& compiled, Workspace& ws)
        : enabled_(compiled.choices().enabled.data()), active_(ws.active), nAnt_(compiled.antecedentCount()),
          slotDegree_(ws.slotDegree.data()), ruleSlots_(compiled.rules().ruleSlots.data()),
          ruleDegree_(ws.ruleDegree.data()) {}

    void Consider(int r) const {
        if (enabled_[r] == 0) return;
        const int* slots = ruleSlots_ + static_cast<std::ptrdiff_t>(r) * nAnt_;
        double d = nAnt_ > 0 ? slotDegree_[slots[0]] : 1.0;
        for (int k = 1; k < nAnt_ && d != 0.0; ++k) {
            const double a = slotDegree_[slots[k]];
            d = a < d ? a : d;
        }
        ruleDegree_[r] = d;
        if (d != 0.0) active_.push_back(r);
    }

private:
    const std::uint8_t* enabled_;
    std::vector<int>& active_;
    const int nAnt_;
    const double* slotDegree_;
    const int* ruleSlots_;
    double* ruleDegree_;
};

void ComputeRuleDegrees(const CompiledRuleBase& compiled, Workspace& ws) {
    const CompiledRules& c = compiled.rules();
    ws.active.clear();
    const RuleDegrees degrees(compiled, ws);
    if (c.antecedentCount == 0) {
        for (int r = 0; r < c.ruleCount; ++r) degrees.Consider(r);
        return;
    }
    const int k = NarrowestAntecedent(c, ws);
    const int* slotRules = c.slotRules.data();
    for (int i = c.slotBegin[At(k)]; i < c.slotBegin[At(k) + 1]; ++i) {
        if (ws.slotDegree[At(i)] == 0.0) continue;
        const int end = c.slotRuleBegin[At(i) + 1];
        for (int j = c.slotRuleBegin[At(i)]; j < end; ++j) degrees.Consider(slotRules[j]);
    }
    // Each slot's rules are in order, but the slots interleave: restore rule order.
    InsertionSort(ws.active);
}

}  // namespace

void StoreInputs(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs) {
    ws.inputs.resize(At(compiled.antecedentCount()));
    std::copy(inputs, inputs + compiled.antecedentCount(), ws.inputs.begin());
}

void BeginCrispInference(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs) {
    ws.Fit(compiled);
    StoreInputs(compiled, ws, inputs);
    std::fill(ws.fired.begin(), ws.fired.end(), std::uint8_t{0});
    ws.firedCount = 0;
    ComputeSlotDegrees(compiled.rules(), ws, inputs);
    ComputeRuleDegrees(compiled, ws);
}

double* SizeConclusion(const CompiledRules& c, CFuzzyDiscreteSet& conclusion) {
    const bool sameGrid = conclusion.sizes().size() == 1 && conclusion.count() == c.samples &&
                          conclusion.low() == c.low && conclusion.high() == c.high && conclusion.isDense();
    if (!sameGrid) conclusion = CFuzzyDiscreteSet(c.samples, c.low, c.high);
    return conclusion.values().data();
}

double* ResetConclusion(const CompiledRules& c, CFuzzyDiscreteSet& conclusion, double value) {
    double* mu = SizeConclusion(c, conclusion);
    std::fill(mu, mu + c.samples, value);
    return mu;
}

void CountFired(Workspace& ws) {
    int count = 0;
    for (const int r : ws.active) count += ws.fired[At(r)] != 0 ? 1 : 0;
    ws.firedCount = count;
}

}  // namespace zorv
