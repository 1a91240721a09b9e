#include "rulebase/analysis/RuleTableReader.h"

#include <vector>

#include "fuzzy/expression/ESyntax.h"
#include "fuzzy/expression/ExpressionText.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

RuleTable RuleTableReader::read(const CRuleBase& unit) {
    const int antecedents = unit.AntecedentCount();
    const int succedents = unit.SuccedentCount();
    std::vector<VariableCells> variables;
    variables.reserve(static_cast<std::size_t>(antecedents + succedents));
    for (int k = 0; k < antecedents; ++k) {
        variables.emplace_back(unit.Settings(k), antecedents);
    }
    for (int k = 0; k < succedents; ++k) {
        variables.emplace_back(unit.Settings(~k), antecedents);
    }
    RuleTable table(antecedents, succedents);
    for (int rule = 0; rule < unit.RuleCount(); ++rule) {
        std::vector<AnalysisCell> cells;
        cells.reserve(variables.size());
        for (int k = 0; k < antecedents; ++k) {
            cells.push_back(variables[k].describe(unit.AntecedentText(k, rule)));
        }
        for (int k = 0; k < succedents; ++k) {
            cells.push_back(variables[antecedents + k].describe(unit.SuccedentText(k, rule)));
        }
        table.addRule(unit.Enabled(rule), std::move(cells));
    }
    return table;
}

AnalysisCell RuleTableReader::VariableCells::describe(const std::string& text) {
    const auto found = seen_.find(text);
    if (found != seen_.end()) {
        return found->second;
    }
    AnalysisCell cell = describeNew(text);
    seen_.emplace(text, cell);
    return cell;
}

AnalysisCell RuleTableReader::VariableCells::describeNew(const std::string& text) const {
    AnalysisCell cell{text, std::nullopt};
    if (const auto* linear = dynamic_cast<const CLinCSettings*>(&vocabulary_)) {
        try {
            linear->parseLinear(text, inputs_);
            cell.term = CLingTerm{};
        } catch (const ESyntax&) {
        }
        return cell;
    }
    CLingTerm term;
    if (describeExpression(vocabulary_, text, term) == 1) {
        cell.term = term;
    }
    return cell;
}

}  // namespace zorv
