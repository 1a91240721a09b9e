#include "app/core/DataTableRows.h"

#include <cmath>
#include <string>

#include "text/NumberText.h"

namespace zorv {

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
        const auto value = NumberText::parseDecimal(table_.Grid().Cell(gridRow, valueColumn(static_cast<int>(k))));
        if (!value || !std::isfinite(*value)) return false;
        values[k] = *value;
    }
    return true;
}

void DataTableRows::setReconstruction(int row, std::string_view text) {
    table_.Grid().SetCell(row + DataGrid::kHeaderRows, table_.Layout().OutputColumn(0), std::string(text));
}

}  // namespace zorv
