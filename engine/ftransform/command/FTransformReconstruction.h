#pragma once

#include <optional>
#include <string>

namespace zorv {

// The result of writing the reconstruction column: how many rows got a reconstruction and how
// many were skipped (a cell not readable as a number), and the largest
// |expected output - reconstruction| over the reconstructed rows, both read back from their texts,
// as a number and as the text the "Max. Error:" label shows. No row reconstructed: no max error.
// A reconstruction stopped on request is cancelled; the rows it wrote are then to be discarded.
struct FTransformReconstruction {
    bool cancelled = false;
    int rowsReconstructed = 0;
    int rowsSkipped = 0;
    std::optional<double> maxError;
    std::string maxErrorText;
};

}  // namespace zorv
