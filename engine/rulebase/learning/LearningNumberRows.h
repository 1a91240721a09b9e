#pragma once

#include <vector>

#include "rulebase/learning/LearningRows.h"

namespace zorv {

// Data rows held as numbers, `width` values a row. A row holding a NaN or an infinity cannot be read,
// which is how a caller marks a row whose cells were not numbers.
class LearningNumberRows final : public LearningRows {
public:
    // Throws std::invalid_argument for a width below 1 or values that do not make whole rows.
    LearningNumberRows(int width, std::vector<double> values);

    int rowCount() const override;
    bool readRow(int row, std::span<double> values) const override;

private:
    int width_;
    std::vector<double> values_;
};

}  // namespace zorv
