#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/core/data/DataColumn.h"
#include "app/core/data/DataComputeResult.h"
#include "app/core/data/DataGrid.h"
#include "app/core/data/DataTableEvaluator.h"
#include "app/core/data/DataTableLayout.h"
#include "app/core/evaluation/JobControl.h"

namespace zorv {

// What a Compute made, before it goes into the table: the new computed column and, while it is shown, the
// new "Ling. Approx." column, each with the header cells of the column it replaces.
struct DataComputation {
    DataComputeResult result;
    std::optional<DataColumn> output;
    std::optional<DataColumn> lingApprox;
};

// Compute of the data table: evaluates the rule base on every data row and fills the computed column
// (and the "Ling. Approx." column when shown), then finds the largest error.
//
// Inputs outside a context are clamped to it. A row whose input cell is not a number (or whose
// evaluation the rule base refuses) stops the computation there; the computed cells of that row and
// the rows below are left empty, so that no result of an earlier run stays beside the new ones. A stop
// request ends it in the same way after the rows computed so far.
// When the evaluator offers a compiled rule base, the rows are evaluated on it on several threads
// (ChunkRunner), which take the rows in short runs from the first on; the results are the same as row
// by row, for any number of threads.
class DataTableComputer {
public:
    DataTableComputer(const DataTableLayout& layout, DataTableEvaluator& evaluator)
        : layout_(layout), evaluator_(evaluator) {}

    // Run reads the grid and changes nothing, so that it may run on a worker while nothing writes to the
    // grid; Install then puts the columns into the grid (on the thread that owns it). Compute does both.
    DataComputation Run(const DataGrid& grid, const JobControl& control = {}) const;
    static void Install(DataGrid& grid, const DataTableLayout& layout, DataComputation& computation);
    DataComputeResult Compute(DataGrid& grid, const ProgressCallback& progress = {}) const;

    // The largest absolute difference between "est." and the computed column over all data rows;
    // none, with the conversion problem in `problem`, when a cell is not a number.
    static std::optional<double> MaxError(const DataGrid& grid, const DataTableLayout& layout,
                                          std::string& problem);
    static std::optional<double> MaxError(const DataColumn& expected, const DataColumn& computed,
                                          std::string& problem);

    // What the window says when a cell or a refusal ended the computation before the last row: the row
    // (counted from 1) and why; empty when every row was computed or the stop was asked for.
    static std::string StopMessage(const DataComputeResult& result);

private:
    // Results of evaluating the rows read: their values, the numbers their cells show (worked out with the
    // values, on the same threads) and, with the linguistic approximation, their texts.
    struct Evaluated {
        std::vector<double> values;
        std::vector<std::optional<double>> shown;
        std::vector<std::string> texts;
    };

    // The inputs of the data rows, one row after another, up to the first row that cannot be read
    // (result.stopReason and stoppedAtRow then say why).
    std::vector<double> ReadRows(const DataGrid& grid, DataComputeResult& result) const;
    // The problem with the row's input cells; empty when all are numbers.
    std::string ReadInputs(const DataGrid& grid, int row, double* inputs) const;
    // Evaluates the rows read, up to the first the evaluator refuses or the stop request.
    Evaluated EvaluateRows(const std::vector<double>& inputs, DataComputeResult& result, const JobControl& control,
                           int total) const;
    Evaluated EvaluateCompiled(const std::vector<double>& inputs, DataComputeResult& result,
                               const JobControl& control, int total) const;
    DataColumn ResultColumn(const DataGrid& grid, int column) const;

    const DataTableLayout& layout_;
    DataTableEvaluator& evaluator_;
};

}  // namespace zorv
