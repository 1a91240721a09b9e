#pragma once

#include "ftransform/command/FTransformContext.h"
#include "ftransform/command/FTransformData.h"

#include <span>
#include <vector>

namespace zorv {

// Reads data rows for the F-transform: the row's cells as numbers, and the point the transform
// takes from them, each input clamped into its variable's context and the output into the
// output context. The expected output compared with the reconstruction is the unclamped one.
class FTransformRowReader {
public:
    // Throws EFTransformSettings when a context cannot serve (see FTransformContext).
    FTransformRowReader(std::vector<FTransformContext> inputs, FTransformContext output);

    int inputCount() const { return static_cast<int>(inputs_.size()); }
    const FTransformContext& output() const { return output_; }

    // raw and point hold inputCount() + 1 values. False when the row cannot be read.
    bool read(const FTransformData& data, int row, std::span<double> raw, std::span<double> point) const;

private:
    std::vector<FTransformContext> inputs_;
    FTransformContext output_;
};

}  // namespace zorv
