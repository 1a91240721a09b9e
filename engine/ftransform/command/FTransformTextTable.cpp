#include "ftransform/command/FTransformTextTable.h"

#include "text/NumberText.h"

#include <stdexcept>

namespace zorv {

FTransformTextTable::FTransformTextTable(int inputCount, std::vector<std::vector<std::string>> rows)
    : inputCount_(inputCount), rows_(std::move(rows)), reconstruction_(rows_.size()) {
    if (inputCount < 1) {
        throw std::invalid_argument("A data table needs at least one input column.");
    }
}

bool FTransformTextTable::readRow(int row, std::span<double> values) const {
    const auto& cells = rows_[static_cast<std::size_t>(row)];
    const std::size_t count = static_cast<std::size_t>(inputCount_) + 1;
    if (cells.size() < count || values.size() < count) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const auto value = NumberText::parseDecimal(cells[i]);
        if (!value) {
            return false;
        }
        values[i] = *value;
    }
    return true;
}

void FTransformTextTable::setReconstruction(int row, std::string_view text) {
    reconstruction_[static_cast<std::size_t>(row)] = text;
}

}  // namespace zorv
