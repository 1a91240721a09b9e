#include "rulebase/learning/LearningTextRows.h"

#include "text/NumberText.h"

namespace zorv {

bool LearningTextRows::readRow(int row, std::span<double> values) const {
    const std::vector<std::string>& cells = rows_[static_cast<std::size_t>(row)];
    if (cells.size() < values.size()) return false;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto value = NumberText::parseDecimal(cells[i]);
        if (!value) return false;
        values[i] = *value;
    }
    return true;
}

}  // namespace zorv
