#include "ftransform/command/FTransformNumberTable.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zorv {

namespace {

std::size_t rowsOf(int inputCount, std::size_t valueCount) {
    if (inputCount < 1) {
        throw std::invalid_argument("A data table needs at least one input column.");
    }
    const auto width = static_cast<std::size_t>(inputCount) + 1;
    if (valueCount % width != 0) {
        throw std::invalid_argument("The data values do not make whole rows.");
    }
    return valueCount / width;
}

}  // namespace

FTransformNumberTable::FTransformNumberTable(int inputCount, std::vector<double> values)
    : inputCount_(inputCount), values_(std::move(values)), reconstruction_(rowsOf(inputCount, values_.size())) {}

bool FTransformNumberTable::readRow(int row, std::span<double> values) const {
    const auto width = static_cast<std::size_t>(inputCount_) + 1;
    if (values.size() < width) {
        return false;
    }
    const auto first = values_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row) * width);
    const auto last = first + static_cast<std::ptrdiff_t>(width);
    std::copy(first, last, values.begin());
    return std::all_of(first, last, [](double v) { return std::isfinite(v); });
}

void FTransformNumberTable::setReconstruction(int row, std::string_view text) {
    reconstruction_[static_cast<std::size_t>(row)] = text;
}

}  // namespace zorv
