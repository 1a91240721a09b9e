#include "app/core/testwindow/FiredRulesText.h"

#include <algorithm>

#include "rulebase/CRuleBase.h"

namespace zorv {

std::string FiredRulesText::Of(const CRuleBase& unit, std::span<const std::uint8_t> fired, int firedCount) {
    std::string text = "Number of fired rules: " + std::to_string(firedCount) + "\n";
    const int rules = std::min(unit.RuleCount(), static_cast<int>(fired.size()));
    for (int rule = 0; rule < rules; ++rule) {
        if (fired[static_cast<std::size_t>(rule)] != 0) {
            text += RuleLine(unit, rule) + "\n";
        }
    }
    return text;
}

std::string FiredRulesText::RuleLine(const CRuleBase& unit, int rule) {
    std::string line = "Rule " + std::to_string(rule + 1) + ": ";
    for (int k = 0; k < unit.AntecedentCount(); ++k) {
        line += (k == 0 ? "" : " & ") + unit.AntecedentText(k, rule);
    }
    line += " --> ";
    for (int k = 0; k < unit.SuccedentCount(); ++k) {
        line += (k == 0 ? "" : " & ") + unit.SuccedentText(k, rule);
    }
    return line;
}

}  // namespace zorv
