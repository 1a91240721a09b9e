#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/data/DataColumn.h"

namespace zorv {

// A grid of cells as the data table shows it: two fixed header rows, then the data rows. Column 0 holds the
// row labels. The grid always keeps its header rows and at least one data row, like the table on screen.
// The cells are kept by column (DataColumn), a few bytes each, so that a million rows stay small.
class DataGrid {
public:
    static constexpr int kHeaderRows = 2;

    explicit DataGrid(int columns = 1);

    int RowCount() const { return rows_; }
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    int DataRowCount() const { return RowCount() - kHeaderRows; }

    // The text a cell shows; cells outside the grid read as empty text.
    std::string Cell(int row, int column) const;
    // The cell as a number of the data table ("," or "." as the decimal mark, NumberText::parseDecimal);
    // none for a cell outside the grid or one that holds no number.
    std::optional<double> Number(int row, int column) const;

    // Writes outside the grid are ignored.
    void SetCell(int row, int column, std::string_view text);
    // A computed result, shown rounded to three significant digits with six decimals and digit groups.
    void SetResult(int row, int column, double value);
    // The row label "n." of column 0.
    void SetLabel(int row, int number);

    // Keeps the cells that still fit; new cells are empty.
    void SetColumnCount(int columns);
    // Removes every data row and leaves one empty data row.
    void ClearDataRows();
    void AppendRow();
    // Removes the data row; the rows below move up. Removing the only data row empties it instead.
    void RemoveDataRow(int row);
    void ClearRow(int row);
    void ReserveRows(int rows);

    bool IsDataRow(int row) const { return row >= kHeaderRows && row < RowCount(); }

    const DataColumn& Column(int column) const { return columns_.at(static_cast<std::size_t>(column)); }
    // Puts a whole column in place of one of the same height (results made elsewhere); false, and nothing
    // changed, when the column does not exist or the heights differ.
    bool ReplaceColumn(int column, DataColumn cells);

private:
    bool Contains(int row, int column) const;

    int rows_ = 0;
    std::vector<DataColumn> columns_;
};

}  // namespace zorv
