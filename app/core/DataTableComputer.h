#pragma once

#include <string>

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
    // Evaluates the row and writes its result; the reason it cannot, empty on success.
    std::string ComputeRow(DataGrid& grid, int row, double* inputs, double& value) const;
    // The problem with the row's input cells; empty when all are numbers.
    std::string ReadInputs(const DataGrid& grid, int row, double* inputs) const;
    void WriteResult(DataGrid& grid, int row, double value) const;
    void ClearResults(DataGrid& grid) const;

    const DataTableLayout& layout_;
    DataTableEvaluator& evaluator_;
};

}  // namespace zorv
