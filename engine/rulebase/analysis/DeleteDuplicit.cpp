#include "rulebase/analysis/DeleteDuplicit.h"

#include "rulebase/analysis/CRuleList.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

std::vector<RuleRow> deleteDuplicit(const std::vector<RuleRow>& rows) {
    CRuleList list(true);
    for (const RuleRow& row : rows) {
        list.add(row);
    }
    return std::move(list).takeRows();
}

bool deleteDuplicit(CRuleBase& unit) {
    const std::vector<RuleRow> rows = unit.Rules();
    std::vector<RuleRow> kept = deleteDuplicit(rows);
    if (kept == rows) {
        return false;
    }
    unit.SetRules(kept);
    return true;
}

}  // namespace zorv
