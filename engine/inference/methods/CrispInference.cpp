#include "inference/methods/CrispInference.h"

#include <algorithm>
#include <cstddef>

#include "rulebase/CFuzValue.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

void ComputeSlotDegrees(InferenceScratch& s, const double* inputs) {
    const DegreeSlot* slots = s.degreeSlots.data();
    double* degree = s.slotDegree.data();
    const std::size_t count = s.degreeSlots.size();
    for (std::size_t i = 0; i < count; ++i)
        degree[i] = slots[i].cell != nullptr ? slots[i].cell->Degree(inputs[slots[i].antecedent]) : 0.0;
}

// The antecedent whose non-zero memberships are shared by the fewest rules: only those rules can have a
// non-zero degree, since a rule's degree is 0 as soon as one antecedent gives 0.
int NarrowestAntecedent(const InferenceScratch& s) {
    int best = 0;
    int bestCount = s.ruleCount + 1;
    for (int k = 0; k < s.antecedentCount; ++k) {
        int count = 0;
        for (int i = s.slotBegin[static_cast<std::size_t>(k)]; i < s.slotBegin[static_cast<std::size_t>(k) + 1]; ++i)
            if (s.slotDegree[static_cast<std::size_t>(i)] != 0.0)
                count += s.slotRuleBegin[static_cast<std::size_t>(i) + 1] - s.slotRuleBegin[static_cast<std::size_t>(i)];
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
    RuleDegrees(const CRuleBase& unit, InferenceScratch& s)
        : unit_(unit), s_(s), nAnt_(s.antecedentCount), slotDegree_(s.slotDegree.data()),
          ruleSlots_(s.ruleSlots.data()), ruleDegree_(s.ruleDegree.data()) {}

    void Consider(int r) const {
        if (!unit_.Enabled(r)) return;
        const int* slots = ruleSlots_ + static_cast<std::ptrdiff_t>(r) * nAnt_;
        double d = nAnt_ > 0 ? slotDegree_[slots[0]] : 1.0;
        for (int k = 1; k < nAnt_ && d != 0.0; ++k) {
            const double a = slotDegree_[slots[k]];
            d = a < d ? a : d;
        }
        ruleDegree_[r] = d;
        if (d != 0.0) s_.active.push_back(r);
    }

private:
    const CRuleBase& unit_;
    InferenceScratch& s_;
    const int nAnt_;
    const double* slotDegree_;
    const int* ruleSlots_;
    double* ruleDegree_;
};

void ComputeRuleDegrees(const CRuleBase& unit, InferenceScratch& s) {
    s.active.clear();
    const RuleDegrees degrees(unit, s);
    if (s.antecedentCount == 0) {
        for (int r = 0; r < s.ruleCount; ++r) degrees.Consider(r);
        return;
    }
    const int k = NarrowestAntecedent(s);
    const int* slotRules = s.slotRules.data();
    for (int i = s.slotBegin[static_cast<std::size_t>(k)]; i < s.slotBegin[static_cast<std::size_t>(k) + 1]; ++i) {
        if (s.slotDegree[static_cast<std::size_t>(i)] == 0.0) continue;
        const int end = s.slotRuleBegin[static_cast<std::size_t>(i) + 1];
        for (int j = s.slotRuleBegin[static_cast<std::size_t>(i)]; j < end; ++j) degrees.Consider(slotRules[j]);
    }
    // Each slot's rules are in order, but the slots interleave: restore rule order.
    InsertionSort(s.active);
}

}  // namespace

void StoreInputs(CRuleBase& unit, const InferenceScratch& scratch, const double* inputs) {
    std::vector<double>& buffer = unit.InputBuffer();
    buffer.resize(static_cast<std::size_t>(scratch.antecedentCount));
    std::copy(inputs, inputs + scratch.antecedentCount, buffer.begin());
}

InferenceScratch& BeginCrispInference(CRuleBase& unit, const double* inputs) {
    InferenceScratch& s = unit.Scratch();
    s.EnsurePrepared(unit);
    StoreInputs(unit, s, inputs);
    std::vector<std::uint8_t>& fired = unit.Fired();
    fired.resize(static_cast<std::size_t>(s.ruleCount));
    std::fill(fired.begin(), fired.end(), std::uint8_t{0});
    unit.SetFiredCount(0);
    ComputeSlotDegrees(s, inputs);
    ComputeRuleDegrees(unit, s);
    return s;
}

double* SizeConclusion(const InferenceScratch& s, CFuzzyDiscreteSet& conclusion) {
    const bool sameGrid = conclusion.sizes().size() == 1 && conclusion.count() == s.samples &&
                          conclusion.low() == s.low && conclusion.high() == s.high && conclusion.isDense();
    if (!sameGrid) conclusion = CFuzzyDiscreteSet(s.samples, s.low, s.high);
    return conclusion.values().data();
}

double* ResetConclusion(const InferenceScratch& s, CFuzzyDiscreteSet& conclusion, double value) {
    double* mu = SizeConclusion(s, conclusion);
    std::fill(mu, mu + s.samples, value);
    return mu;
}

void CountFired(CRuleBase& unit, const InferenceScratch& s) {
    const std::vector<std::uint8_t>& fired = unit.Fired();
    int count = 0;
    for (const int r : s.active) count += fired[static_cast<std::size_t>(r)] != 0 ? 1 : 0;
    unit.SetFiredCount(count);
}

}  // namespace zorv
