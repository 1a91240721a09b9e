#include "app/core/data/DataGrid.h"

#include <algorithm>

namespace zorv {

DataGrid::DataGrid(int columns) : columns_(static_cast<std::size_t>(std::max(columns, 1))) {
    for (int row = 0; row < kHeaderRows + 1; ++row) AppendRow();
}

bool DataGrid::Contains(int row, int column) const {
    return row >= 0 && row < RowCount() && column >= 0 && column < ColumnCount();
}

std::string DataGrid::Cell(int row, int column) const {
    return Contains(row, column) ? Column(column).Text(row) : std::string();
}

std::optional<double> DataGrid::Number(int row, int column) const {
    return Contains(row, column) ? Column(column).Number(row) : std::nullopt;
}

void DataGrid::SetCell(int row, int column, std::string_view text) {
    if (Contains(row, column)) columns_[static_cast<std::size_t>(column)].SetText(row, text);
}

void DataGrid::SetResult(int row, int column, double value) {
    if (Contains(row, column)) columns_[static_cast<std::size_t>(column)].SetResult(row, value);
}

void DataGrid::SetLabel(int row, int number) {
    if (Contains(row, 0)) columns_.front().SetLabel(row, number);
}

void DataGrid::SetColumnCount(int columns) {
    columns_.resize(static_cast<std::size_t>(std::max(columns, 1)));
    for (DataColumn& column : columns_) column.Resize(rows_);
}

void DataGrid::ClearDataRows() {
    for (DataColumn& column : columns_) column.Resize(kHeaderRows);
    rows_ = kHeaderRows;
    AppendRow();
}

void DataGrid::AppendRow() {
    for (DataColumn& column : columns_) column.Append();
    ++rows_;
}

void DataGrid::RemoveDataRow(int row) {
    if (!IsDataRow(row)) return;
    if (DataRowCount() == 1) {
        ClearRow(row);
        return;
    }
    for (DataColumn& column : columns_) column.Erase(row);
    --rows_;
}

void DataGrid::ClearRow(int row) {
    if (row < 0 || row >= RowCount()) return;
    for (DataColumn& column : columns_) column.Clear(row);
}

void DataGrid::ReserveRows(int rows) {
    for (DataColumn& column : columns_) column.Reserve(rows);
}

bool DataGrid::ReplaceColumn(int column, DataColumn cells) {
    if (column < 0 || column >= ColumnCount() || cells.Size() != rows_) return false;
    columns_[static_cast<std::size_t>(column)] = std::move(cells);
    return true;
}

}  // namespace zorv
