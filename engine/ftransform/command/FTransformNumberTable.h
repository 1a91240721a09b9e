#pragma once

#include "ftransform/command/FTransformData.h"

#include <string>
#include <vector>

namespace zorv {

// Data rows held as numbers, row after row: the inputs followed by the expected output
// (inputCount + 1 values a row). A row holding a NaN or an infinity cannot be read, which is how
// a caller marks a row whose cells were not numbers.
class FTransformNumberTable final : public FTransformData {
public:
    // Throws std::invalid_argument when the values do not make whole rows.
    FTransformNumberTable(int inputCount, std::vector<double> values);

    int inputCount() const override { return inputCount_; }
    int rowCount() const override { return static_cast<int>(reconstruction_.size()); }
    bool readRow(int row, std::span<double> values) const override;
    void setReconstruction(int row, std::string_view text) override;

    const std::string& reconstruction(int row) const { return reconstruction_[static_cast<std::size_t>(row)]; }

private:
    int inputCount_;
    std::vector<double> values_;
    std::vector<std::string> reconstruction_;
};

}  // namespace zorv
