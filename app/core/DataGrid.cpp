#include "app/core/DataGrid.h"

#include <algorithm>

namespace zorv {

namespace {

const std::string kEmpty;

}  // namespace

DataGrid::DataGrid(int columns) : columns_(std::max(columns, 1)) {
    rows_.assign(kHeaderRows + 1, std::vector<std::string>(columns_));
}

bool DataGrid::Contains(int row, int column) const {
    return row >= 0 && row < RowCount() && column >= 0 && column < columns_;
}

const std::string& DataGrid::Cell(int row, int column) const {
    return Contains(row, column) ? rows_[row][column] : kEmpty;
}

void DataGrid::SetCell(int row, int column, std::string text) {
    if (Contains(row, column)) {
        rows_[row][column] = std::move(text);
    }
}

void DataGrid::SetColumnCount(int columns) {
    columns_ = std::max(columns, 1);
    for (auto& row : rows_) {
        row.resize(columns_);
    }
}

void DataGrid::ClearDataRows() {
    rows_.resize(kHeaderRows);
    AppendRow();
}

void DataGrid::AppendRow() { rows_.emplace_back(columns_); }

void DataGrid::RemoveDataRow(int row) {
    if (!IsDataRow(row)) {
        return;
    }
    if (DataRowCount() == 1) {
        ClearRow(row);
        return;
    }
    rows_.erase(rows_.begin() + row);
}

void DataGrid::ClearRow(int row) {
    if (row >= 0 && row < RowCount()) {
        rows_[row].assign(columns_, std::string());
    }
}

void DataGrid::ReserveRows(int rows) { rows_.reserve(static_cast<std::size_t>(std::max(rows, 0))); }

}  // namespace zorv
