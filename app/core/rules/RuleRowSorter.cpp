#include "app/core/rules/RuleRowSorter.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <string>
#include <unordered_map>

#include "app/core/rules/RulesGrid.h"
#include "fuzzy/expression/ExpressionText.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "rulebase/CRuleBase.h"

namespace zorv {
namespace {

std::optional<CLingTerm> sortTermOf(const CSettings& vocabulary, const std::string& text) {
    if (const auto* linguistic = dynamic_cast<const CLinguisticSettings*>(&vocabulary)) {
        return linguistic->sortTerm(text);
    }
    if (vocabulary.checkSyntax(text)) return std::nullopt;
    CLingTerm term;
    describeExpression(vocabulary, text, term);
    return term;
}

// The rows' expressions, each distinct text described once.
std::function<bool(int, int)> expressionOrder(const RulesGrid& grid, int column, const CSettings& vocabulary) {
    std::unordered_map<std::string, std::optional<CLingTerm>> described;
    std::vector<std::optional<CLingTerm>> terms;
    for (int r = 0; r < grid.rowCount(); ++r) {
        const std::string& text = grid.text(r, column);
        auto found = described.find(text);
        if (found == described.end()) found = described.emplace(text, sortTermOf(vocabulary, text)).first;
        terms.push_back(found->second);
    }
    return [&grid, column, terms = std::move(terms)](int k, int j) {
        const auto& a = terms[static_cast<std::size_t>(k)];
        const auto& b = terms[static_cast<std::size_t>(j)];
        return a && b && CLinguisticSettings::compareSortTerms(*a, grid.text(k, column), *b, grid.text(j, column)) == 1;
    };
}

std::function<bool(int, int)> numberOrder(const RulesGrid& grid, int column) {
    std::vector<double> values;
    for (int r = 0; r < grid.rowCount(); ++r) values.push_back(std::atof(grid.text(r, column).c_str()));
    return [values = std::move(values)](int k, int j) {
        return values[static_cast<std::size_t>(k)] < values[static_cast<std::size_t>(j)];
    };
}

std::function<bool(int, int)> keyOrder(const RulesGrid& grid, RulesInfoColumn analysis) {
    return [&grid, analysis](int k, int j) { return grid.info(k).sortKey(analysis) < grid.info(j).sortKey(analysis); };
}

}  // namespace

std::vector<int> RuleRowSorter::order(const RulesGrid& grid, int column) {
    const RuleGridColumns& columns = grid.columns();
    if (const auto analysis = columns.analysisColumn(column)) return order(grid.rowCount(), keyOrder(grid, *analysis));
    const CSettings& vocabulary = grid.unit().Settings(columns.variableOf(column));
    if (vocabulary.isLinear() != 0) return order(grid.rowCount(), numberOrder(grid, column));
    return order(grid.rowCount(), expressionOrder(grid, column, vocabulary));
}

std::vector<int> RuleRowSorter::order(int count, const std::function<bool(int, int)>& before) {
    std::vector<int> rows(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(rows.begin(), rows.end(), 0);
    for (auto position = rows.begin(); position != rows.end(); ++position) {
        auto first = position;
        for (auto candidate = position + 1; candidate != rows.end(); ++candidate) {
            if (before(*candidate, *first)) first = candidate;
        }
        std::rotate(position, first, first + 1);
    }
    return rows;
}

}  // namespace zorv
