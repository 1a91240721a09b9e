#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/core/data/DataTable.h"
#include "app/core/evaluation/JobControl.h"
#include "tuning/TuningOptions.h"
#include "tuning/TuningResult.h"
#include "tuning/TuningRows.h"

namespace zorv {

class BestErrorTrace;
class CRuleBase;

// What a tuning from the data table gave: the result, or why it could not start.
struct DataTableTuningRun {
    std::optional<TuningResult> result;
    std::string refusal;
};

// Tuning from the data table as the workbench runs it: the rows are the table's input cells and its "est."
// column (as Compute reads them; every cell must be a number), and the tuning works on a copy of the rule base
// made when the job is made, so that it may run on a worker while the window stays usable. Run reads the table
// and changes nothing of it or of the rule base; the caller puts the tuned rule base in place when asked to.
class DataTableTuning {
public:
    DataTableTuning(const CRuleBase& unit, const DataTable& table, TuningOptions options);
    ~DataTableTuning();

    // Reports the evaluations done of the budget, stops between two evaluations when asked (the result then
    // holds the best rule base so far), and adds the best error to trace each time it improves.
    DataTableTuningRun Run(const JobControl& control, BestErrorTrace& trace) const;

    // The table's rows as numbers; none, with the reason in problem, when a cell is not a number or the table
    // holds no data.
    static std::optional<TuningRows> RowsOf(const DataTable& table, std::string& problem);

private:
    std::unique_ptr<CRuleBase> unit_;
    const DataTable& table_;
    TuningOptions options_;
};

}  // namespace zorv
