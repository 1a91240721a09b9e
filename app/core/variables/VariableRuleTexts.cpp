#include "app/core/variables/VariableRuleTexts.h"

#include "rulebase/CRuleBase.h"

namespace zorv {

std::vector<std::string> VariableRuleTexts::Of(const CRuleBase& unit, int signedIndex) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(unit.RuleCount()));
    for (int r = 0; r < unit.RuleCount(); ++r) texts.push_back(unit.Text(signedIndex, r));
    return texts;
}

std::size_t VariableRuleTexts::Column(const CRuleBase& unit, int signedIndex) {
    return static_cast<std::size_t>(signedIndex >= 0 ? signedIndex : unit.AntecedentCount() + ~signedIndex);
}

void VariableRuleTexts::Store(CRuleBase& unit, const std::vector<RuleRow>& rows) {
    try {
        unit.SetRules(rows);
    } catch (const ESyntax&) {
        // The rules are in place; the failing cells keep their message.
    }
}

}  // namespace zorv
