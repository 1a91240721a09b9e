#include "app/core/rules/RuleGridAnalysis.h"

#include "app/core/rules/RulesGrid.h"
#include "fuzzy/expression/ExpressionText.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/analysis/RuleAnalysis.h"

namespace zorv {

RuleTable RuleGridAnalysis::snapshot(const RulesGrid& grid) {
    const RuleGridColumns& columns = grid.columns();
    const std::size_t count = static_cast<std::size_t>(columns.expressionCount());
    if (described_.size() != count) described_.assign(count, {});
    RuleTable table(columns.inputCount(), columns.expressionCount() - columns.inputCount());
    for (int r = 0; r < grid.rowCount(); ++r) {
        std::vector<AnalysisCell> cells;
        cells.reserve(count);
        for (int c = 1; c <= columns.lastExpression(); ++c) {
            const CSettings& vocabulary = grid.unit().Settings(columns.variableOf(c));
            cells.push_back(describe(vocabulary, columns.inputCount(), described_[static_cast<std::size_t>(c - 1)],
                                     grid.text(r, c)));
        }
        table.addRule(grid.row(r).enabled, std::move(cells));
    }
    return table;
}

std::vector<RuleInfo> RuleGridAnalysis::compute(const RuleTable& table, const RulesInfoColumns& shown) {
    return RulesInfo::compute(RuleAnalysis(table), shown);
}

// A linear form parses when it is a correct form over the inputs; it then compares by its text.
AnalysisCell RuleGridAnalysis::describe(const CSettings& vocabulary, int inputCount, Described& seen,
                                       const std::string& text) {
    if (const auto found = seen.find(text); found != seen.end()) return found->second;
    AnalysisCell cell{text, std::nullopt};
    if (const auto* linear = dynamic_cast<const CLinCSettings*>(&vocabulary)) {
        try {
            linear->parseLinear(text, inputCount);
            cell.term = CLingTerm{};
        } catch (const ESyntax&) {
        }
    } else if (CLingTerm term; describeExpression(vocabulary, text, term) == 1) {
        cell.term = term;
    }
    return seen.emplace(text, std::move(cell)).first->second;
}

}  // namespace zorv
