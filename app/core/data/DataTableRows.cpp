#include "app/core/data/DataTableRows.h"

#include <cmath>
#include <string>

#include "text/NumberText.h"

namespace zorv {

DataTableRows::DataTableRows(const DataTable& table) : table_(table) {
    const DataGrid& grid = table.Grid();
    reconstruction_.Resize(grid.RowCount());
    for (int row = 0; row < DataGrid::kHeaderRows; ++row) {
        reconstruction_.SetText(row, grid.Cell(row, table.Layout().OutputColumn(0)));
    }
}

int DataTableRows::valueColumn(int k) const {
    const DataTableLayout& layout = table_.Layout();
    if (k < layout.InputCount()) return layout.InputColumn(k);
    const int output = k - layout.InputCount();
    return output == 0 ? layout.ExpectedColumn() : layout.OutputColumn(output);
}

bool DataTableRows::readRow(int row, std::span<double> values) const {
    const int gridRow = row + DataGrid::kHeaderRows;
    if (!table_.Grid().IsDataRow(gridRow)) return false;
    for (std::size_t k = 0; k < values.size(); ++k) {
        const auto value = table_.Grid().Number(gridRow, valueColumn(static_cast<int>(k)));
        if (!value || !std::isfinite(*value)) return false;
        values[k] = *value;
    }
    return true;
}

void DataTableRows::setReconstruction(int row, std::string_view text) {
    const int gridRow = row + DataGrid::kHeaderRows;
    if (gridRow >= reconstruction_.Size()) return;
    if (const auto value = NumberText::parseDecimal(text)) {
        reconstruction_.SetResult(gridRow, *value);
    } else {
        reconstruction_.SetText(gridRow, text);
    }
}

}  // namespace zorv
