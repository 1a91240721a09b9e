#pragma once

#include <span>

namespace zorv {

// The data rows rule learning reads, as the data table, the command line or a test holds them. A row holds
// one value per variable of the rule base: the inputs in order, then the outputs in order.
class LearningRows {
public:
    virtual ~LearningRows() = default;

    virtual int rowCount() const = 0;
    // Fills values (one entry per variable) with the row's values as they stand (not clamped). False when
    // the row has too few values or one of them is not a finite number; values is then unspecified.
    virtual bool readRow(int row, std::span<double> values) const = 0;
};

}  // namespace zorv
