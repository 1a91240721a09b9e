#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/core/DataComputeResult.h"
#include "app/core/DataGrid.h"
#include "app/core/DataTableEvaluator.h"
#include "app/core/DataTableLayout.h"

namespace zorv {

// Compute of the data table: evaluates the rule base on every data row and fills the computed column
// (and the "Ling. Approx." column when shown), then finds the largest error.
//
// Inputs outside a context are clamped to it. A row whose input cell is not a number (or whose
// evaluation the rule base refuses) stops the computation there; the computed cells of that row and
// the rows below are left empty, so that no result of an earlier run stays beside the new ones.
// When the evaluator offers a compiled rule base, the rows are evaluated on it on several threads
// (ChunkRunner); the results are the same as row by row.
class DataTableComputer {
public:
    DataTableComputer(const DataTableLayout& layout, DataTableEvaluator& evaluator)
        : layout_(layout), evaluator_(evaluator) {}

    DataComputeResult Compute(DataGrid& grid, const ProgressCallback& progress = {}) const;

    // The largest absolute difference between "est." and the computed column over all data rows;
    // none, with the conversion problem in `problem`, when a cell is not a number.
    static std::optional<double> MaxError(const DataGrid& grid, const DataTableLayout& layout,
                                          std::string& problem);

private:
    // The inputs of the data rows, one row after another, up to the first row that cannot be read
    // (result.stopReason and stoppedAtRow then say why).
    std::vector<double> ReadRows(const DataGrid& grid, DataComputeResult& result) const;
    // The problem with the row's input cells; empty when all are numbers.
    std::string ReadInputs(const DataGrid& grid, int row, double* inputs) const;
    // Evaluates the rows read into result.values, up to the first the evaluator refuses.
    void EvaluateRows(const std::vector<double>& inputs, DataComputeResult& result,
                      const ProgressCallback& progress, int total) const;
    void EvaluateCompiled(const std::vector<double>& inputs, DataComputeResult& result,
                          const ProgressCallback& progress, int total) const;
    void WriteResult(DataGrid& grid, int row, double value) const;
    void ClearResults(DataGrid& grid) const;

    const DataTableLayout& layout_;
    DataTableEvaluator& evaluator_;
};

}  // namespace zorv
