#include "inference/smooth/NeighbourhoodRules.h"

#include <limits>

#include "inference/compiled/CompiledRuleBase.h"
#include "inference/methods/RuleSelection.h"

namespace zorv {

namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

}  // namespace

void NeighbourhoodRules::Prepare(const CompiledRuleBase& compiled, bool selecting) {
    const CompiledRules& c = compiled.rules();
    antecedents_ = c.antecedentCount;
    selecting_ = selecting;
    enabled_.clear();
    slots_.assign(At(c.ruleCount) * At(antecedents_), 0);
    for (int r = 0; r < c.ruleCount; ++r) {
        if (compiled.enabled(r)) enabled_.push_back(r);
        for (int k = 0; k < antecedents_; ++k) {
            const std::size_t at = At(r) * At(antecedents_) + At(k);
            slots_[at] = c.ruleSlots[at] - c.slotBegin[At(k)];
        }
    }
    specificity_.assign(c.specificity.begin(), c.specificity.end());
    kept_.reserve(enabled_.size());
    key_.resize(enabled_.size());
    keptKey_.resize(enabled_.size());
    length_ = 0;
    hasKept_ = false;
}

void NeighbourhoodRules::BeginRow(const AxisDegrees& degrees, const int* index) {
    kept_.clear();
    rowLevel_ = 1.0;
    for (int k = 1; k < antecedents_; ++k) {
        const double l = degrees.LevelAt(k, index[k]);
        if (l < rowLevel_) rowLevel_ = l;
    }
    for (const int r : enabled_) {
        const int* slots = slots_.data() + At(r) * At(antecedents_);
        double e = std::numeric_limits<double>::infinity();  // min(d0, e) = d0 without other antecedents
        for (int k = 1; k < antecedents_ && e != 0.0; ++k) {
            const double a = degrees.DegreesAt(k, index[k])[slots[k]];
            e = a < e ? a : e;
        }
        if (e != 0.0) kept_.push_back({r, slots[0], e, specificity_[At(r)]});
    }
}

DegreeKey NeighbourhoodRules::KeyAt(const AxisDegrees& degrees, int i) {
    const double* first = degrees.DegreesAt(0, i);
    if (selecting_) {
        const double l0 = degrees.LevelAt(0, i);
        SelectedKeyAt(first, l0 < rowLevel_ ? l0 : rowLevel_);
    } else {
        ActiveKeyAt(first);
    }
    return Key();
}

void NeighbourhoodRules::ActiveKeyAt(const double* first) {
    std::size_t n = 0;
    for (const Kept& kept : kept_) {
        const double d = DegreeOf(kept, first);
        if (d != 0.0) key_[n++] = {kept.rule, d};
    }
    length_ = n;
}

// The selection keeps only rules it was offered, in order, so the key is written as S changes.
void NeighbourhoodRules::SelectedKeyAt(const double* first, double threshold) {
    RuleSelector selector(threshold);
    std::size_t n = 0;
    const auto offer = [&](const Kept& kept, double d) {
        switch (selector.Offer(d, kept.specificity)) {
            case RuleSelector::Step::Restarted:
                key_[0] = {kept.rule, d};
                n = 1;
                break;
            case RuleSelector::Step::Joined:
                key_[n++] = {kept.rule, d};
                break;
            case RuleSelector::Step::Ignored:
                break;
        }
    };
    for (const Kept& kept : kept_) {
        const double d = DegreeOf(kept, first);
        if (d != 0.0) offer(kept, d);
    }
    length_ = n;
}

void NeighbourhoodRules::Keep() {
    key_.swap(keptKey_);
    keptLength_ = length_;
    hasKept_ = true;
}

}  // namespace zorv
