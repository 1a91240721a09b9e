#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zorv {

// What a Compute over the data rows did.
struct DataComputeResult {
    // The exact (unrounded) results of the rows computed, in row order from the first data row.
    std::vector<double> values;
    // The grid row at which a non-numeric input cell, a refusal or a stop request ended the
    // computation; none when every row was computed.
    std::optional<int> stoppedAtRow;
    // Why it stopped there: the input cell that is not a number, or the evaluation's own refusal;
    // empty when it was stopped on request (cancelled).
    std::string stopReason;
    bool cancelled = false;
    // The largest absolute difference between "est." and the computed column over all data rows;
    // none when a cell of those columns is not a number (maxErrorProblem says which).
    std::optional<double> maxError;
    std::string maxErrorProblem;

    int RowsComputed() const { return static_cast<int>(values.size()); }
};

}  // namespace zorv
