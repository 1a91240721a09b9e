#pragma once

#include <span>
#include <string_view>

#include "app/core/data/DataColumn.h"
#include "app/core/data/DataTable.h"
#include "ftransform/command/FTransformData.h"
#include "rulebase/learning/LearningRows.h"

namespace zorv {

// The data table's rows as the F-transform command and rule learning read them: per data row the input
// cells, then the "est." cell (and, for learning with several outputs, the further output columns), each
// read with "," or "." as the decimal mark. The table is only read: the F-transform's reconstruction goes
// into a new column for the first computed output, shown like Compute's results, which the caller puts
// into the table (DataTable::InstallReconstruction) when the command has run to its end.
class DataTableRows : public FTransformData, public LearningRows {
public:
    explicit DataTableRows(const DataTable& table);

    int inputCount() const override { return table_.Layout().InputCount(); }
    int rowCount() const override { return table_.Grid().DataRowCount(); }
    bool readRow(int row, std::span<double> values) const override;
    void setReconstruction(int row, std::string_view text) override;

    DataColumn TakeReconstruction() { return std::move(reconstruction_); }

private:
    int valueColumn(int k) const;

    const DataTable& table_;
    DataColumn reconstruction_;
};

}  // namespace zorv
