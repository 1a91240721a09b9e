#include "inference/InferenceScratch.h"

#include <algorithm>
#include <map>
#include <utility>

#include "rulebase/CFuzValue.h"
#include "rulebase/CLinCValue.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

constexpr int kFirstSuccedent = -1;

void LayOutAntecedents(const CRuleBase& unit, InferenceScratch& s) {
    s.contexts.clear();
    s.discretizations.clear();
    for (int k = 0; k < s.antecedentCount; ++k) {
        s.contexts.push_back({unit.ContextLow(k), unit.ContextHigh(k), unit.Settings(k).symmetric()});
        s.discretizations.push_back(unit.Discretization(k));
    }
}

// For every slot, the rules that use it (counting sort by slot, so each list stays in rule order).
void IndexRulesBySlot(InferenceScratch& s) {
    s.slotRuleBegin.assign(s.degreeSlots.size() + 1, 0);
    for (const int slot : s.ruleSlots) ++s.slotRuleBegin[static_cast<std::size_t>(slot) + 1];
    for (std::size_t i = 1; i < s.slotRuleBegin.size(); ++i) s.slotRuleBegin[i] += s.slotRuleBegin[i - 1];
    s.slotRules.assign(s.ruleSlots.size(), 0);
    std::vector<int> next(s.slotRuleBegin.begin(), s.slotRuleBegin.end() - 1);
    for (std::size_t i = 0; i < s.ruleSlots.size(); ++i) {
        const int rule = static_cast<int>(i / static_cast<std::size_t>(s.antecedentCount));
        s.slotRules[static_cast<std::size_t>(next[static_cast<std::size_t>(s.ruleSlots[i])]++)] = rule;
    }
}

// One slot per distinct (antecedent, pool cell) pair, in order of first use.
void LayOutSlots(const CRuleBase& unit, InferenceScratch& s) {
    s.degreeSlots.clear();
    s.ruleSlots.assign(static_cast<std::size_t>(s.ruleCount) * static_cast<std::size_t>(s.antecedentCount), 0);
    std::map<std::pair<int, int>, int> slotOf;
    for (int k = 0; k < s.antecedentCount; ++k) {
        const std::vector<int>& cells = unit.CellIndex(k);
        for (int r = 0; r < s.ruleCount; ++r) {
            const int pool = cells[static_cast<std::size_t>(r)];
            auto [it, inserted] = slotOf.try_emplace({k, pool}, static_cast<int>(s.degreeSlots.size()));
            if (inserted) s.degreeSlots.push_back({dynamic_cast<const CFuzValue*>(unit.PoolCell(pool)), k});
            s.ruleSlots[static_cast<std::size_t>(r) * static_cast<std::size_t>(s.antecedentCount) +
                        static_cast<std::size_t>(k)] = it->second;
        }
    }
    s.slotBegin.assign(static_cast<std::size_t>(s.antecedentCount) + 1, 0);
    for (const DegreeSlot& slot : s.degreeSlots) ++s.slotBegin[static_cast<std::size_t>(slot.antecedent) + 1];
    for (std::size_t k = 1; k < s.slotBegin.size(); ++k) s.slotBegin[k] += s.slotBegin[k - 1];
    IndexRulesBySlot(s);
}

Consequent ConsequentOf(const CValue* cell, int samples) {
    const auto* set = dynamic_cast<const CFuzValue*>(cell);
    if (set == nullptr || set->SampleCount() == 0) return {};
    // A set sampled on another grid than the conclusion's is read only where both grids have samples.
    const int last = std::min(set->LastNonZero(), std::min(samples, set->SampleCount()) - 1);
    return {set->Samples(), std::max(set->FirstNonZero(), 0), last};
}

const std::vector<double>* CoefficientsOf(const CValue* cell) {
    const auto* linear = dynamic_cast<const CLinCValue*>(cell);
    return linear != nullptr ? &linear->Coefficients() : nullptr;
}

void LayOutConsequents(const CRuleBase& unit, InferenceScratch& s) {
    s.consequents.assign(static_cast<std::size_t>(s.ruleCount), Consequent{});
    s.coefficients.assign(static_cast<std::size_t>(s.ruleCount), nullptr);
    if (s.succedentCount == 0) return;
    const std::vector<int>& cells = unit.CellIndex(kFirstSuccedent);
    for (int r = 0; r < s.ruleCount && r < static_cast<int>(cells.size()); ++r) {
        const CValue* cell = unit.PoolCell(cells[static_cast<std::size_t>(r)]);
        s.consequents[static_cast<std::size_t>(r)] = ConsequentOf(cell, s.samples);
        s.coefficients[static_cast<std::size_t>(r)] = CoefficientsOf(cell);
    }
}

void LayOutConclusion(const CRuleBase& unit, InferenceScratch& s) {
    s.samples = 0;
    s.low = s.high = 0.0;
    s.symmetric = false;
    if (s.succedentCount > 0) {
        s.samples = unit.Discretization(kFirstSuccedent);
        s.low = unit.ContextLow(kFirstSuccedent);
        s.high = unit.ContextHigh(kFirstSuccedent);
        s.symmetric = unit.Settings(kFirstSuccedent).symmetric();
    }
    s.conclusion = CFuzzyDiscreteSet(s.samples, s.low, s.high);
    s.smoothConclusion = CFuzzyDiscreteSet(s.samples, s.low, s.high);
}

void SizeWorkBuffers(InferenceScratch& s) {
    const auto rules = static_cast<std::size_t>(s.ruleCount);
    const auto antecedents = static_cast<std::size_t>(s.antecedentCount);
    s.slotDegree.assign(s.degreeSlots.size(), 0.0);
    s.ruleDegree.assign(rules, 0.0);
    s.active.clear();
    s.active.reserve(rules);
    s.candidates.clear();
    s.candidates.reserve(rules);
    s.selected.clear();
    s.selected.reserve(rules);
    s.open.assign(static_cast<std::size_t>(s.samples), 0.0);
    s.combined.assign(static_cast<std::size_t>(s.samples), 0.0);
    s.combination.assign(antecedents, 0);
    s.singletons.clear();
    for (std::size_t k = 0; k < antecedents; ++k)
        s.singletons.emplace_back(s.discretizations[k], s.contexts[k].low, s.contexts[k].high);
    s.singletonInputs.clear();
    for (const CFuzzyDiscreteSet& set : s.singletons) s.singletonInputs.push_back(&set);
    s.smoothCentre.assign(antecedents, 0.0);
    s.smoothPoint.assign(antecedents, 0.0);
    s.smoothFrom.assign(antecedents, 0.0);
    s.smoothTo.assign(antecedents, 0.0);
    s.smoothStep.assign(antecedents, 0.0);
    s.smoothWeight.assign(antecedents, 0.0);
    s.smoothWindows.clear();
    for (const AntecedentContext& c : s.contexts) s.smoothWindows.emplace_back(c.low, c.low, c.high, c.low, c.high);
    s.savedFired.assign(rules, 0);
}

}  // namespace

void InferenceScratch::Prepare(const CRuleBase& unit) {
    antecedentCount = unit.AntecedentCount();
    ruleCount = unit.RuleCount();
    poolSize = unit.PoolSize();
    succedentCount = unit.SuccedentCount();
    LayOutAntecedents(unit, *this);
    LayOutConclusion(unit, *this);
    LayOutSlots(unit, *this);
    LayOutConsequents(unit, *this);
    SizeWorkBuffers(*this);
}

bool InferenceScratch::IsPreparedFor(const CRuleBase& unit) const {
    return antecedentCount == unit.AntecedentCount() && ruleCount == unit.RuleCount() &&
           poolSize == unit.PoolSize() && succedentCount == unit.SuccedentCount();
}

}  // namespace zorv
