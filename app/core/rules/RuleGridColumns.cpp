#include "app/core/rules/RuleGridColumns.h"

#include "rulebase/CRuleBase.h"

namespace zorv {

RuleGridColumns::RuleGridColumns(const CRuleBase& unit) : inputs_(unit.AntecedentCount()) {
    for (int k = 0; k < unit.AntecedentCount(); ++k) names_.push_back(unit.VariableName(k));
    for (int k = 0; k < unit.SuccedentCount(); ++k) names_.push_back(unit.VariableName(~k));
}

std::optional<RulesInfoColumn> RuleGridColumns::analysisColumn(int column) const {
    const int position = column - lastExpression() - 1;
    if (position < 0 || position >= kAnalysisCount) return std::nullopt;
    return static_cast<RulesInfoColumn>(position);
}

int RuleGridColumns::variableOf(int column) const {
    return isInput(column) ? column - 1 : ~(column - 1 - inputs_);
}

std::string RuleGridColumns::header(int column) const {
    if (isExpression(column)) return names_[static_cast<std::size_t>(textIndex(column))];
    if (const auto analysis = analysisColumn(column)) return std::string(RulesInfo::title(*analysis));
    return {};
}

std::string RuleGridColumns::ruleForm() const {
    std::string form;
    for (int i = 0; i < expressionCount(); ++i) {
        if (i == inputs_) {
            form += " --> ";
        } else if (i > 0) {
            form += " & ";
        }
        form += names_[static_cast<std::size_t>(i)];
    }
    return form;
}

}  // namespace zorv
