#pragma once

#include <string>
#include <vector>

#include "rulebase/learning/LearningRows.h"

namespace zorv {

// Data rows held as cell texts, read with the data table's number format (a "," or "." decimal mark,
// DataCellNumber). A row with fewer cells than asked for, or a cell that is not a number, cannot be read;
// cells beyond those asked for are ignored.
class LearningTextRows final : public LearningRows {
public:
    explicit LearningTextRows(std::vector<std::vector<std::string>> rows) : rows_(std::move(rows)) {}

    int rowCount() const override { return static_cast<int>(rows_.size()); }
    bool readRow(int row, std::span<double> values) const override;

private:
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace zorv
