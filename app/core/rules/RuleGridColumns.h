#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rulebase/analysis/RulesInfo.h"

namespace zorv {

class CRuleBase;

// The columns of the rules grid: 0 holds the row labels, then one expression column per input variable and
// one per output variable (headed by the variable's name), then the four analysis columns ("Group",
// "Inconsistency", "Redundant suc", "Redundant ant").
class RuleGridColumns {
public:
    static constexpr int kLabelColumn = 0;
    static constexpr int kAnalysisCount = 4;

    RuleGridColumns() = default;
    explicit RuleGridColumns(const CRuleBase& unit);

    int inputCount() const { return inputs_; }
    int expressionCount() const { return static_cast<int>(names_.size()); }
    int count() const { return expressionCount() + 1 + kAnalysisCount; }
    int lastInput() const { return inputs_; }
    int lastExpression() const { return expressionCount(); }

    bool isExpression(int column) const { return column >= 1 && column <= lastExpression(); }
    bool isInput(int column) const { return column >= 1 && column <= lastInput(); }
    std::optional<RulesInfoColumn> analysisColumn(int column) const;
    int columnOf(RulesInfoColumn analysis) const { return lastExpression() + 1 + static_cast<int>(analysis); }
    // The signed index of an expression column's variable (input k is k, output k is ~k).
    int variableOf(int column) const;
    // The position of an expression column's text in a rule row.
    static int textIndex(int column) { return column - 1; }

    // The header of a column: the variable's name, a title of the analysis, nothing for the labels.
    std::string header(int column) const;
    // The input names joined by " & ", " --> ", the output names joined by " & ".
    std::string ruleForm() const;

private:
    std::vector<std::string> names_;
    int inputs_ = 0;
};

}  // namespace zorv
