#pragma once

#include "ftransform/command/FTransformReconstruction.h"
#include "ftransform/command/FTransformStatus.h"
#include "ftransform/partition/PartitionSettings.h"
#include "ftransform/transform/TFTransform.h"

#include <memory>
#include <optional>
#include <vector>

namespace zorv {

// What one run of the F-transform command leaves to its caller: the status to show (with
// statusMessage and statusCaption), the fitted transform (which replaces the caller's previous
// one and can be written as an FT-Vector file), the partition settings it was built from (the
// node search sets every count to the one found; the caller keeps them for the next opening of the
// settings dialog), the node count found by the search, and the reconstruction column's summary.
struct FTransformOutcome {
    FTransformStatus status = FTransformStatus::Fitted;
    std::unique_ptr<TFTransform> transform;
    std::vector<PartitionSettings> partitions;
    std::optional<int> nodesFound;
    FTransformReconstruction reconstruction;
};

}  // namespace zorv
