#pragma once

#include <span>
#include <string_view>

#include "app/core/DataTable.h"
#include "ftransform/command/FTransformData.h"
#include "rulebase/learning/LearningRows.h"

namespace zorv {

// The data table's rows as the F-transform command and rule learning read them: per data row the input
// cells, then the "est." cell (and, for learning with several outputs, the further output columns), each
// read with "," or "." as the decimal mark. The F-transform's reconstruction goes into the first computed
// output column.
class DataTableRows : public FTransformData, public LearningRows {
public:
    explicit DataTableRows(DataTable& table) : table_(table) {}

    int inputCount() const override { return table_.Layout().InputCount(); }
    int rowCount() const override { return table_.Grid().DataRowCount(); }
    bool readRow(int row, std::span<double> values) const override;
    void setReconstruction(int row, std::string_view text) override;

private:
    int valueColumn(int k) const;

    DataTable& table_;
};

}  // namespace zorv
