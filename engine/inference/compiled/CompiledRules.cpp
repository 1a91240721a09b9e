#include "inference/compiled/CompiledRules.h"

#include <algorithm>
#include <map>
#include <utility>

#include "rulebase/CFuzValue.h"
#include "rulebase/CLinCValue.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

constexpr int kFirstSuccedent = -1;

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// The share of its context on which a sampled set has a non-zero membership (interpolation reaches one grid
// step beyond the outermost non-zero samples).
double SupportShare(const SampledCell* cell) {
    if (cell == nullptr || cell->FirstNonZero() > cell->LastNonZero()) return 0.0;
    const int n = cell->SampleCount();
    if (n <= 1) return 1.0;
    return std::min(1.0, static_cast<double>(cell->LastNonZero() - cell->FirstNonZero() + 2) / (n - 1));
}

}  // namespace

CompiledRules::CompiledRules(const CRuleBase& unit)
    : antecedentCount(unit.AntecedentCount()), succedentCount(unit.SuccedentCount()), ruleCount(unit.RuleCount()) {
    LayOutVariables(unit);
    LayOutSlots(unit);
    LayOutConsequents(unit);
    for (int r = 0; r < ruleCount; ++r) specificity.push_back(unit.Specificity(r));
    EstimateActiveRules();
}

void CompiledRules::LayOutVariables(const CRuleBase& unit) {
    for (int k = 0; k < antecedentCount; ++k) {
        antecedentNames.push_back(unit.VariableName(k));
        contexts.push_back({unit.ContextLow(k), unit.ContextHigh(k), unit.Settings(k).symmetric()});
        discretizations.push_back(unit.Discretization(k));
    }
    if (succedentCount > 0) {
        outputName = unit.VariableName(kFirstSuccedent);
        samples = unit.Discretization(kFirstSuccedent);
        low = unit.ContextLow(kFirstSuccedent);
        high = unit.ContextHigh(kFirstSuccedent);
        symmetric = unit.Settings(kFirstSuccedent).symmetric();
    }
}

// One slot per distinct (antecedent, pool cell) pair, in order of first use.
void CompiledRules::LayOutSlots(const CRuleBase& unit) {
    ruleSlots.assign(At(ruleCount) * At(antecedentCount), 0);
    std::map<std::pair<int, int>, int> slotOf;
    for (int k = 0; k < antecedentCount; ++k) {
        const std::vector<int>& cells = unit.CellIndex(k);
        for (int r = 0; r < ruleCount; ++r) {
            const int pool = cells[At(r)];
            auto [it, inserted] = slotOf.try_emplace({k, pool}, static_cast<int>(degreeSlots.size()));
            if (inserted) {
                const auto* set = dynamic_cast<const CFuzValue*>(unit.PoolCell(pool));
                if (set != nullptr) cells_.push_back(set->Sampled());
                degreeSlots.push_back({set != nullptr ? set->Sampled().get() : nullptr, k});
            }
            ruleSlots[At(r) * At(antecedentCount) + At(k)] = it->second;
        }
    }
    slotBegin.assign(At(antecedentCount) + 1, 0);
    for (const DegreeSlot& slot : degreeSlots) ++slotBegin[At(slot.antecedent) + 1];
    for (std::size_t k = 1; k < slotBegin.size(); ++k) slotBegin[k] += slotBegin[k - 1];
    IndexRulesBySlot();
}

// For every slot, the rules that use it (counting sort by slot, so each list stays in rule order).
void CompiledRules::IndexRulesBySlot() {
    slotRuleBegin.assign(degreeSlots.size() + 1, 0);
    for (const int slot : ruleSlots) ++slotRuleBegin[At(slot) + 1];
    for (std::size_t i = 1; i < slotRuleBegin.size(); ++i) slotRuleBegin[i] += slotRuleBegin[i - 1];
    slotRules.assign(ruleSlots.size(), 0);
    std::vector<int> next(slotRuleBegin.begin(), slotRuleBegin.end() - 1);
    for (std::size_t i = 0; i < ruleSlots.size(); ++i) {
        const int rule = static_cast<int>(i / At(antecedentCount));
        slotRules[At(next[At(ruleSlots[i])]++)] = rule;
    }
}

void CompiledRules::LayOutConsequents(const CRuleBase& unit) {
    consequents.assign(At(ruleCount), Consequent{});
    consequentCells.assign(At(ruleCount), nullptr);
    coefficients.assign(At(ruleCount), nullptr);
    if (succedentCount == 0) return;
    const std::vector<int>& cells = unit.CellIndex(kFirstSuccedent);
    const int rules = std::min(ruleCount, static_cast<int>(cells.size()));
    coefficientStore_.reserve(At(rules));
    for (int r = 0; r < rules; ++r) {
        const CValue* cell = unit.PoolCell(cells[At(r)]);
        if (const auto* linear = dynamic_cast<const CLinCValue*>(cell)) {
            coefficientStore_.push_back(linear->Coefficients());
            coefficients[At(r)] = &coefficientStore_.back();
        }
        const auto* set = dynamic_cast<const CFuzValue*>(cell);
        if (set == nullptr) continue;
        cells_.push_back(set->Sampled());
        consequentCells[At(r)] = set->Sampled().get();
        if (set->SampleCount() == 0) continue;
        // A set sampled on another grid than the conclusion's is read only where both grids have samples.
        const int last = std::min(set->LastNonZero(), std::min(samples, set->SampleCount()) - 1);
        consequents[At(r)] = {set->Samples(), std::max(set->FirstNonZero(), 0), last};
    }
}

void CompiledRules::EstimateActiveRules() {
    expectedActiveRules = 0.0;
    for (int r = 0; r < ruleCount; ++r) {
        double share = 1.0;
        for (int k = 0; k < antecedentCount && share > 0.0; ++k) share *= SupportShare(AntecedentCell(k, r));
        expectedActiveRules += share;
    }
}

}  // namespace zorv
