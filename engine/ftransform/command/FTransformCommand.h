#pragma once

#include "ftransform/command/FTransformContext.h"
#include "ftransform/command/FTransformData.h"
#include "ftransform/command/FTransformOutcome.h"
#include "ftransform/command/FTransformReconstruction.h"
#include "ftransform/command/FTransformRowReader.h"
#include "ftransform/command/ProgressReporter.h"
#include "ftransform/partition/PartitionSettings.h"
#include "ftransform/transform/TFTransform.h"

#include <memory>
#include <optional>
#include <span>
#include <stop_token>
#include <vector>

namespace zorv {

// The data steps of the F-transform command, free of any window: fit an F-transform to the data
// rows, write the reconstruction column, measure the largest error, and optionally search the node
// count that meets a maximum error. The data table, the settings dialog and the command line drive
// it; they show the status message, the "Max. Error:" text and offer the FT-Vector file.
//
// Data cells are clamped into their variables' contexts before they reach the transform; rows
// with a cell that is not a number are skipped by every step and get an empty reconstruction.
// The transform's default value is the midpoint of the output context.
class FTransformCommand {
public:
    using Progress = ProgressReporter::Callback;

    // Throws EFTransformSettings when a context cannot serve (an empty or reversed input context,
    // a reversed output context, non-finite bounds, no input).
    FTransformCommand(std::vector<FTransformContext> inputs, FTransformContext output);

    // The whole command. Without a maximum error: the transform of the given partitions is fitted.
    // With one: the node count is searched first (NodeCountSearch), between 2 and the data's row
    // count + 2 (the table's two header rows), capped so that the grid stays within
    // TFTransform::kMaxCells. Then the reconstruction column is written and the largest error
    // measured. Progress is reported per pass over the rows: each fit of the search, then the
    // reconstruction, each from 0 to the row count. Throws EFTransformSettings for unusable
    // settings (see TFTransform) or a maximum error that is not a finite number; the data and its
    // reconstruction column are then left as they were. A stop request ends the run between two rows
    // with the status Cancelled and no transform; the reconstruction column may then be partly written.
    FTransformOutcome run(FTransformData& data, std::vector<PartitionSettings> partitions,
                          std::optional<double> maxError, const Progress& progress = {},
                          std::stop_token stop = {}) const;

    // A new transform of the partitions with the output midpoint as default value.
    std::unique_ptr<TFTransform> makeTransform(std::span<const PartitionSettings> partitions) const;
    // The direct transform over the readable rows (reset, add every row, finish).
    void fit(TFTransform& transform, const FTransformData& data, const Progress& progress = {}) const;
    // The largest |expected output - inverse| over the readable rows, unrounded; 0 without rows.
    double largestError(const TFTransform& transform, const FTransformData& data) const;
    // Writes every row's reconstruction text and measures the largest error from the texts (the
    // "inv F-Transform" button repeats just this with the current transform). A stop request ends it
    // between two rows, cancelled.
    FTransformReconstruction reconstruct(const TFTransform& transform, FTransformData& data,
                                         const Progress& progress = {}, std::stop_token stop = {}) const;
    // The node count the search starts from.
    int highestNodeCount(const FTransformData& data) const;

private:
    // Thrown between two rows when a stop was requested; caught where the command's steps begin.
    struct Stopped {};

    std::unique_ptr<TFTransform> searchNodes(const FTransformData& data, std::vector<PartitionSettings>& partitions,
                                             double maxError, const Progress& progress, const std::stop_token& stop,
                                             FTransformOutcome& outcome) const;
    void fitRows(TFTransform& transform, const FTransformData& data, const Progress& progress,
                 const std::stop_token& stop) const;
    double largestErrorOf(const TFTransform& transform, const FTransformData& data, const std::stop_token& stop) const;
    FTransformReconstruction reconstructRows(const TFTransform& transform, FTransformData& data,
                                             const Progress& progress, const std::stop_token& stop) const;
    void checkShape(const FTransformData& data, std::size_t partitionCount) const;

    FTransformRowReader reader_;
};

}  // namespace zorv
