#pragma once

#include <memory>
#include <optional>

#include "tuning/ErrorMeasure.h"

namespace zorv {

class CompiledRuleBase;
class TuningRows;

// The error of a rule base over data rows, each row evaluated as the data table's Compute does it: every
// input clamped to its variable's context, then the value of the first output variable. The rows are shared
// among `jobs` threads (0: every core), each difference kept in its row's place and the measure taken in row
// order, so that the value is the same for any number of threads.
class RowObjective {
public:
    RowObjective(ErrorMeasure measure, int jobs) : measure_(measure), jobs_(jobs) {}

    const ErrorMeasure& Measure() const { return measure_; }

    // None when the rule base refuses a row or gives a value that is not a finite number.
    std::optional<double> Of(const std::shared_ptr<const CompiledRuleBase>& compiled, const TuningRows& rows) const;

private:
    ErrorMeasure measure_;
    int jobs_;
};

}  // namespace zorv
