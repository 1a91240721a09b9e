#pragma once

#include <string>
#include <vector>

namespace zorv {

// A grid of text cells as the data table shows it: two fixed header rows, then the data rows.
// Column 0 holds the row labels. The grid always keeps its header rows and at least one data row,
// like the table on screen does.
class DataGrid {
public:
    static constexpr int kHeaderRows = 2;

    explicit DataGrid(int columns = 1);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    int ColumnCount() const { return columns_; }
    int DataRowCount() const { return RowCount() - kHeaderRows; }

    // Cells outside the grid read as empty text; writes outside it are ignored.
    const std::string& Cell(int row, int column) const;
    void SetCell(int row, int column, std::string text);

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

private:
    bool Contains(int row, int column) const;

    int columns_;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace zorv
