#include "rulebase/learning/LearningNumberRows.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zorv {

LearningNumberRows::LearningNumberRows(int width, std::vector<double> values)
    : width_(width), values_(std::move(values)) {
    if (width_ < 1) throw std::invalid_argument("a data row needs at least one value");
    if (values_.size() % static_cast<std::size_t>(width_) != 0) {
        throw std::invalid_argument("the values do not make whole rows of " + std::to_string(width_));
    }
}

int LearningNumberRows::rowCount() const { return static_cast<int>(values_.size() / static_cast<std::size_t>(width_)); }

bool LearningNumberRows::readRow(int row, std::span<double> values) const {
    if (values.size() > static_cast<std::size_t>(width_)) return false;
    const auto first = values_.begin() + static_cast<std::ptrdiff_t>(row) * width_;
    std::copy_n(first, values.size(), values.begin());
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace zorv
