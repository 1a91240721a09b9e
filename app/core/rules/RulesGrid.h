#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/core/rules/RuleGridColumns.h"
#include "app/core/rules/RuleGridRow.h"
#include "app/core/rules/RuleSnapshot.h"
#include "rulebase/RuleRow.h"

namespace zorv {

class CRuleBase;

// The content of the rules grid of a rule base editor, kept apart from any widget: one row per rule with its
// enabled flag, its expression texts and its analysis, and the operations the grid offers on rows. It is
// filled from the rule base and hands its complete rows back (commit); the rule base must outlive it.
// Rows and columns are those of the grid on screen (see RuleGridColumns); the row label of row r is "r+1.".
// Every change raises revision(), so that work started on an older content can be recognised.
//
// A rule base may hold a million rules: filling takes a compact snapshot of them (RuleSnapshot) and makes
// no row of its own per rule. A row becomes the grid's own when it is edited or made here; the others are
// read from the snapshot. Content() hands the whole content to another thread the same way.
class RulesGrid {
public:
    // The grid's rows as a value that owns what it reads: the snapshot, the rows made here, and which is
    // which in what order. Cheap to take (a copy of two integers per row) and safe to read on any thread.
    class Content {
    public:
        int rowCount() const { return static_cast<int>(rows_.size()); }
        bool enabled(int row) const;
        // The text of a row at a position of a rule row (0 .. width − 1).
        const std::string& text(int row, int position) const;
        // When the row is the snapshot's rule, its number there; none for a row of the grid's own.
        std::optional<int> rule(int row) const;
        const RuleSnapshot& snapshot() const { return *snapshot_; }

    private:
        friend class RulesGrid;
        // source >= 0: that rule of the snapshot; otherwise the row owned[~source]. info: the row's place in
        // the last analysis (−1 for none).
        struct RowRef {
            std::int32_t source = 0;
            std::int32_t info = -1;
        };
        const RuleGridRow& owned(const RowRef& ref) const { return *owned_[static_cast<std::size_t>(~ref.source)]; }

        std::shared_ptr<const RuleSnapshot> snapshot_ = std::make_shared<RuleSnapshot>();
        std::vector<RowRef> rows_;
        std::vector<std::shared_ptr<const RuleGridRow>> owned_;
    };

    explicit RulesGrid(const CRuleBase& unit) : unit_(unit) {}

    // Columns and rows from the rule base; the analysis is emptied.
    void fill();
    // The rules as the grid holds them: the rows without an empty expression cell, top to bottom.
    std::vector<RuleRow> rules() const;
    // Gives the rule base rules(), unless it holds them already (as when nothing changed since fill()): its
    // compiled form then stays, and with it what was computed from it (a filter, a projection). False when
    // nothing was handed over. A cell that does not compile is reported by the exception of
    // CRuleBase::SetRules (the rules are in place).
    bool commitTo(CRuleBase& unit) const;
    // Whether the grid still shows the rules as filled.
    bool asFilled() const { return filledRevision_ == revision_; }
    // The content as it is now, for work on another thread.
    Content content() const { return content_; }

    const CRuleBase& unit() const { return unit_; }
    const RuleGridColumns& columns() const { return columns_; }
    int rowCount() const { return content_.rowCount(); }
    // A row whole (its texts, flag, comment and analysis), made on demand.
    RuleGridRow row(int r) const;
    bool enabled(int r) const { return content_.enabled(r); }
    const std::string& comment(int r) const;
    const RuleInfo& info(int r) const;
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
    void setInfos(std::shared_ptr<const std::vector<RuleInfo>> infos);

private:
    using RowRef = Content::RowRef;

    bool validRange(int first, int last) const { return first >= 0 && first <= last && last < rowCount(); }
    void changed() { ++revision_; }
    // The row's own copy, made from the snapshot on the first change.
    RuleGridRow& own(int row);
    RowRef adopt(RuleGridRow row);

    const CRuleBase& unit_;
    RuleGridColumns columns_;
    Content content_;
    std::shared_ptr<const std::vector<RuleInfo>> infos_ = std::make_shared<std::vector<RuleInfo>>();
    std::uint64_t revision_ = 0;
    std::uint64_t filledRevision_ = 0;
};

}  // namespace zorv
