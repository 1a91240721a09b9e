#include "app/core/rules/RuleSnapshot.h"

#include <algorithm>

#include "rulebase/CRuleBase.h"
#include "rulebase/CValue.h"

namespace zorv {

std::shared_ptr<const RuleSnapshot> RuleSnapshot::Of(const CRuleBase& unit) {
    auto snapshot = std::make_shared<RuleSnapshot>();
    // A released place of the pool belongs to no rule.
    for (int i = 0; i < unit.PoolSize(); ++i) {
        const CValue* cell = unit.PoolCell(i);
        snapshot->texts_.push_back(cell != nullptr ? cell->Text() : std::string());
        snapshot->anyEmpty_ = snapshot->anyEmpty_ || (cell != nullptr && cell->Text().empty());
    }
    for (int k = 0; k < unit.AntecedentCount(); ++k) snapshot->ids_.push_back(unit.CellIndex(k));
    for (int k = 0; k < unit.SuccedentCount(); ++k) snapshot->ids_.push_back(unit.CellIndex(~k));
    snapshot->width_ = static_cast<int>(snapshot->ids_.size());
    snapshot->enabled_.resize(static_cast<std::size_t>(unit.RuleCount()));
    for (int r = 0; r < unit.RuleCount(); ++r) {
        snapshot->enabled_[static_cast<std::size_t>(r)] = unit.Enabled(r) ? 1 : 0;
        if (!unit.Comment(r).empty()) snapshot->comments_.emplace_back(r, unit.Comment(r));
    }
    return snapshot;
}

const std::string& RuleSnapshot::comment(int rule) const {
    static const std::string kNone;
    const auto found = std::lower_bound(comments_.begin(), comments_.end(), rule,
                                        [](const std::pair<int, std::string>& entry, int r) { return entry.first < r; });
    return found != comments_.end() && found->first == rule ? found->second : kNone;
}

}  // namespace zorv
