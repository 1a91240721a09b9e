#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/core/data/DataTable.h"
#include "app/core/data/DataTableRows.h"
#include "app/core/evaluation/JobControl.h"
#include "ftransform/command/FTransformCommand.h"

namespace zorv {

class CRuleBase;

// The F-transform command and "inv F-Transform" on the data table: the data rows are the table's, the
// axes the input contexts of the rule base and the default value the midpoint of its first output's
// context. Fit and Inverse only read the table (so they may run on a worker while nothing writes to it);
// when they ran to their end, Install puts the reconstruction column and its largest error into the table.
// A cancelled or failed run leaves the table as it was.
class DataTableFTransform {
public:
    // Throws EFTransformSettings when the rule base cannot give the axes (no input or output variable,
    // an empty context).
    DataTableFTransform(const CRuleBase& unit, const DataTable& table);

    static std::vector<FTransformContext> InputContexts(const CRuleBase& unit);

    FTransformOutcome Fit(std::vector<PartitionSettings> partitions, std::optional<double> maxError,
                          const JobControl& control);
    FTransformReconstruction Inverse(const TFTransform& transform, const JobControl& control);
    void Install(DataTable& table, const FTransformReconstruction& reconstruction);
    // Why a run that ran to its end is of no use: no data row could be read, so there is neither a fit nor
    // a largest error. None when a row was reconstructed or the run was cancelled.
    static std::optional<std::string> NothingRead(const FTransformReconstruction& reconstruction);

private:
    static FTransformCommand CommandFor(const CRuleBase& unit);

    FTransformCommand command_;
    DataTableRows rows_;
};

}  // namespace zorv
