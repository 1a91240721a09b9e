#pragma once

#include "ftransform/command/FTransformData.h"

#include <string>
#include <vector>

namespace zorv {

// Data rows held as cell texts, read with the data table's number format (a "," or "." decimal
// mark). Each row has the input cells followed by the expected-output cell; a row with fewer
// cells, or a cell that is not a number, cannot be read.
class FTransformTextTable final : public FTransformData {
public:
    FTransformTextTable(int inputCount, std::vector<std::vector<std::string>> rows);

    int inputCount() const override { return inputCount_; }
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    bool readRow(int row, std::span<double> values) const override;
    void setReconstruction(int row, std::string_view text) override;

    const std::vector<std::string>& cells(int row) const { return rows_[static_cast<std::size_t>(row)]; }
    const std::string& reconstruction(int row) const { return reconstruction_[static_cast<std::size_t>(row)]; }

private:
    int inputCount_;
    std::vector<std::vector<std::string>> rows_;
    std::vector<std::string> reconstruction_;
};

}  // namespace zorv
