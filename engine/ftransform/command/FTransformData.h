#pragma once

#include <span>
#include <string_view>

namespace zorv {

// The data rows the F-transform command works on, as the data table, the command line or a test
// holds them: per row n input cells and the expected output, plus a reconstruction column the
// command fills. The command reads rows on demand and keeps none, so its memory does not grow
// with the data.
class FTransformData {
public:
    virtual ~FTransformData() = default;

    virtual int inputCount() const = 0;
    virtual int rowCount() const = 0;
    // Fills values (inputCount() + 1 entries) with the row's inputs followed by its expected
    // output, as they stand in the cells (not clamped). False when a cell cannot be read as a
    // number; values is then unspecified.
    virtual bool readRow(int row, std::span<double> values) const = 0;
    // Stores the reconstruction text of a row; an empty text for a row that gets none.
    virtual void setReconstruction(int row, std::string_view text) = 0;
};

}  // namespace zorv
