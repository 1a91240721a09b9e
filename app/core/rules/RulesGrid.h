#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/core/rules/RuleGridColumns.h"
#include "app/core/rules/RuleGridRow.h"
#include "rulebase/RuleRow.h"

namespace zorv {

class CRuleBase;

// The content of the rules grid of a rule base editor, kept apart from any widget: one row per rule with its
// enabled flag, its expression texts and its analysis, and the operations the grid offers on rows. It is
// filled from the rule base and hands its complete rows back (commit); the rule base must outlive it.
// Rows and columns are those of the grid on screen (see RuleGridColumns); the row label of row r is "r+1.".
// Every change raises revision(), so that work started on an older content can be recognised.
class RulesGrid {
public:
    explicit RulesGrid(const CRuleBase& unit) : unit_(unit) {}

    // Columns and rows from the rule base; the analysis is emptied.
    void fill();
    // The rules as the grid holds them: the rows without an empty expression cell, top to bottom.
    std::vector<RuleRow> rules() const;
    // Gives the rule base rules(), unless it holds them already: its compiled form then stays, and with it
    // what was computed from it (a filter, a projection). False when nothing was handed over. A cell that
    // does not compile is reported by the exception of CRuleBase::SetRules (the rules are in place).
    bool commitTo(CRuleBase& unit) const;

    const CRuleBase& unit() const { return unit_; }
    const RuleGridColumns& columns() const { return columns_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    const RuleGridRow& row(int r) const { return rows_[static_cast<std::size_t>(r)]; }
    std::uint64_t revision() const { return revision_; }

    // What a cell shows: the row label, an expression text or an analysis text.
    std::string cellText(int row, int column) const;
    // An expression cell's text (empty outside the expression columns).
    const std::string& text(int row, int column) const;
    // False when nothing changed (not an expression cell, or the same text).
    bool setText(int row, int column, std::string text);
    bool toggleEnabled(int row);

    // New rows go before row at (0 .. rowCount()); the rows from at on move down.
    void insertRows(int at, std::vector<RuleGridRow> rows);
    void insertEmptyRows(int at, int count);
    // Removes the rows first .. last; refused (false) when it would remove every row.
    bool deleteRows(int first, int last);
    // The rows first .. last give way to rows; refused when that would leave no row.
    bool replaceRows(int first, int last, std::vector<RuleGridRow> rows);
    // Removes every row whose expression cells are all empty, examined from the last to the first;
    // returns how many went.
    int deleteEmptyRows();
    // The first empty expression cell, row by row, left to right (row, column).
    std::optional<std::pair<int, int>> firstEmptyCell() const;
    // A row as the grid makes new ones: enabled, every expression cell empty.
    RuleGridRow emptyRow() const;

    // Puts the rows in the given order (old row numbers, each once); flags, texts and analysis move along.
    void reorder(const std::vector<int>& order);
    // Sorts the rows by an expression or analysis column (RuleRowSorter); false for any other column.
    bool sortBy(int column);
    // "Invert sign (+/-)" on the rows first .. last; false when no cell changed.
    bool invertSign(int first, int last);

    // The analysis of every row, in row order (one per row; ignored otherwise).
    void setInfos(std::vector<RuleInfo> infos);

private:
    bool validRange(int first, int last) const { return first >= 0 && first <= last && last < rowCount(); }
    void changed() { ++revision_; }

    const CRuleBase& unit_;
    RuleGridColumns columns_;
    std::vector<RuleGridRow> rows_;
    std::uint64_t revision_ = 0;
};

}  // namespace zorv
