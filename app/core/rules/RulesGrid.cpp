#include "app/core/rules/RulesGrid.h"

#include <algorithm>

#include "app/core/rules/RuleRowSorter.h"
#include "rulebase/RuleSignMirror.h"
#include "rulebase/CRuleBase.h"

namespace zorv {
namespace {

bool allEmpty(const RuleGridRow& row) {
    return std::all_of(row.texts.begin(), row.texts.end(), [](const std::string& t) { return t.empty(); });
}

bool anyEmpty(const RuleGridRow& row) {
    return std::any_of(row.texts.begin(), row.texts.end(), [](const std::string& t) { return t.empty(); });
}

const std::string kNoText;

}  // namespace

void RulesGrid::fill() {
    columns_ = RuleGridColumns(unit_);
    rows_.clear();
    for (RuleRow& rule : unit_.Rules()) {
        rows_.push_back(RuleGridRow{rule.enabled, std::move(rule.texts), std::move(rule.comment), {}});
    }
    changed();
}

std::vector<RuleRow> RulesGrid::rules() const {
    std::vector<RuleRow> rules;
    rules.reserve(rows_.size());
    for (const RuleGridRow& row : rows_) {
        if (!anyEmpty(row)) rules.emplace_back(row.enabled, row.texts, row.comment);
    }
    return rules;
}

bool RulesGrid::commitTo(CRuleBase& unit) const {
    const std::vector<RuleRow> rows = rules();
    if (rows == unit.Rules()) return false;
    unit.SetRules(rows);
    return true;
}

std::string RulesGrid::cellText(int row, int column) const {
    if (column == RuleGridColumns::kLabelColumn) return std::to_string(row + 1) + ".";
    if (const auto analysis = columns_.analysisColumn(column)) return this->row(row).info.text(*analysis);
    return text(row, column);
}

const std::string& RulesGrid::text(int row, int column) const {
    if (!columns_.isExpression(column) || row < 0 || row >= rowCount()) return kNoText;
    return rows_[static_cast<std::size_t>(row)].texts[static_cast<std::size_t>(RuleGridColumns::textIndex(column))];
}

bool RulesGrid::setText(int row, int column, std::string text) {
    if (!columns_.isExpression(column) || row < 0 || row >= rowCount()) return false;
    std::string& cell = rows_[static_cast<std::size_t>(row)].texts[static_cast<std::size_t>(RuleGridColumns::textIndex(column))];
    if (cell == text) return false;
    cell = std::move(text);
    changed();
    return true;
}

bool RulesGrid::toggleEnabled(int row) {
    if (row < 0 || row >= rowCount()) return false;
    rows_[static_cast<std::size_t>(row)].enabled = !rows_[static_cast<std::size_t>(row)].enabled;
    changed();
    return true;
}

RuleGridRow RulesGrid::emptyRow() const {
    return RuleGridRow{true, std::vector<std::string>(static_cast<std::size_t>(columns_.expressionCount())), {}, {}};
}

void RulesGrid::insertRows(int at, std::vector<RuleGridRow> rows) {
    at = std::clamp(at, 0, rowCount());
    for (RuleGridRow& row : rows) row.texts.resize(static_cast<std::size_t>(columns_.expressionCount()));
    rows_.insert(rows_.begin() + at, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    changed();
}

void RulesGrid::insertEmptyRows(int at, int count) {
    insertRows(at, std::vector<RuleGridRow>(static_cast<std::size_t>(std::max(count, 0)), emptyRow()));
}

bool RulesGrid::deleteRows(int first, int last) { return replaceRows(first, last, {}); }

bool RulesGrid::replaceRows(int first, int last, std::vector<RuleGridRow> rows) {
    if (!validRange(first, last) || (rows.empty() && last - first + 1 == rowCount())) return false;
    rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
    insertRows(first, std::move(rows));
    return true;
}

int RulesGrid::deleteEmptyRows() {
    int removed = 0;
    for (int r = rowCount() - 1; r >= 0; --r) {
        if (allEmpty(rows_[static_cast<std::size_t>(r)])) {
            rows_.erase(rows_.begin() + r);
            ++removed;
        }
    }
    if (removed > 0) changed();
    return removed;
}

std::optional<std::pair<int, int>> RulesGrid::firstEmptyCell() const {
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 1; c <= columns_.lastExpression(); ++c) {
            if (text(r, c).empty()) return std::pair{r, c};
        }
    }
    return std::nullopt;
}

void RulesGrid::reorder(const std::vector<int>& order) {
    std::vector<RuleGridRow> sorted;
    sorted.reserve(rows_.size());
    for (const int r : order) sorted.push_back(std::move(rows_[static_cast<std::size_t>(r)]));
    rows_ = std::move(sorted);
    changed();
}

bool RulesGrid::sortBy(int column) {
    if (!columns_.isExpression(column) && !columns_.analysisColumn(column)) return false;
    reorder(RuleRowSorter::order(*this, column));
    return true;
}

bool RulesGrid::invertSign(int first, int last) {
    if (!validRange(first, last)) return false;
    bool any = false;
    for (int c = 1; c <= columns_.lastExpression(); ++c) {
        const CSettings& vocabulary = unit_.Settings(columns_.variableOf(c));
        if (!RuleSignMirror::applies(vocabulary)) continue;
        for (int r = first; r <= last; ++r) {
            if (const auto mirrored = RuleSignMirror::mirror(vocabulary, text(r, c), columns_.inputCount())) {
                any = setText(r, c, *mirrored) || any;
            }
        }
    }
    return any;
}

void RulesGrid::setInfos(std::vector<RuleInfo> infos) {
    if (infos.size() != rows_.size()) return;
    for (std::size_t r = 0; r < rows_.size(); ++r) rows_[r].info = std::move(infos[r]);
}

}  // namespace zorv
