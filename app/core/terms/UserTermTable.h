#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/core/terms/UserTermRow.h"

namespace zorv {

class CFuzzyParamSet;

// The term grid of the user-expressions editor: one row per user term over the variable's context
// <low, high>. Columns: 0 the row label "n.", 1 "Name", 2 "Type", 3 .. 8 the parameter slots, 9 "U" when
// rules use the term and "N" otherwise. With no terms the grid shows one empty placeholder row.
class UserTermTable {
public:
    static constexpr int kLabelColumn = 0;
    static constexpr int kNameColumn = 1;
    static constexpr int kTypeColumn = 2;
    static constexpr int kFirstValueColumn = 3;
    static constexpr int kUsageColumn = 9;
    static constexpr int kColumnCount = 10;

    UserTermTable(double low, double high) : low_(low), high_(high) {}

    double low() const { return low_; }
    double high() const { return high_; }

    int rowCount() const { return static_cast<int>(rows_.size()); }
    bool empty() const { return rows_.empty(); }
    // Rows the grid shows: the terms, or the placeholder.
    int shownRowCount() const { return empty() ? 1 : rowCount(); }
    const UserTermRow& row(int r) const { return rows_.at(static_cast<std::size_t>(r)); }

    static std::string Header(int column);
    // The text of a cell; empty for the placeholder row and for columns out of range.
    std::string cellText(int r, int column) const;
    // Edits the name or a parameter cell as typed; other cells do not change.
    void setCellText(int r, int column, std::string text);

    static int SlotOf(int column) { return column - kFirstValueColumn; }
    static int ColumnOf(int slot) { return slot + kFirstValueColumn; }
    std::optional<double> value(int r, int slot) const;
    void setValue(int r, int slot, double value);
    void clearValue(int r, int slot);
    void putValue(int r, int slot, UserTermValue value);
    void setType(int r, std::string type);

    void insertRow(int at, UserTermRow row);
    void appendRow(UserTermRow row) { insertRow(rowCount(), std::move(row)); }
    void removeRow(int r);

    // Whether the user may type into the cell: the name and the parameters of the row's type.
    bool editable(int r, int column) const;
    // The next (previous) cell the user can type into, moving along the row and on to the next (previous)
    // rows; none at the end (start) of the grid.
    std::optional<std::pair<int, int>> adjacentCell(int r, int column, bool forward) const;

    bool nameTaken(std::string_view name, int exceptRow) const;
    // base when no other row has it, else base + "_" + 1, 2, ...
    std::string uniqueName(const std::string& base, int exceptRow) const;

    // The term's set over <low, high>; null when its type is unknown or a parameter is missing.
    std::unique_ptr<CFuzzyParamSet> set(int r) const;

private:
    UserTermRow& mutableRow(int r) { return rows_.at(static_cast<std::size_t>(r)); }
    std::vector<int> editableColumns(int r) const;

    double low_;
    double high_;
    std::vector<UserTermRow> rows_;
};

}  // namespace zorv
