#pragma once

#include "ftransform/ndim/TNDimArray.h"
#include "ftransform/partition/PartitionSettings.h"
#include "ftransform/partition/TFuzzyCovering.h"

#include <cstddef>
#include <filesystem>
#include <span>
#include <vector>

namespace zorv {

// The n-dimensional F-transform over uniform fuzzy partitions of its input axes. With
// A_k(x) = Π_i A_i,k_i(x_i) the product of the axes' basic functions of the node combination k,
// the direct transform of the data rows (x_j, y_j) gives one component per combination:
//     F_k = Σ_j A_k(x_j)·y_j / Σ_j A_k(x_j)      (invalid when no row reaches k)
// and the inverse transform reconstructs
//     f(x) = Σ_k A_k(x)·v_k,  v_k = F_k when valid, else the default value,
// without dividing by the sum of weights (the partitions add up to 1). Both touch only the
// at most 2^n combinations around a point, never the whole grid.
//
// Lifecycle: construct, reset, add points, finish; inverse and the FT-Vector file are valid after
// finish. reset starts a new fit on the same axes.
//
// The node grid has one cell per node combination in each of four arrays of doubles (numerators,
// denominators, components, validity), 32 bytes a cell. A grid beyond kMaxCells cells
// (16 777 216, that is 512 MiB) is refused, which also bounds the number of axes to 24.
class TFTransform {
public:
    static constexpr std::size_t kMaxCells = std::size_t{1} << 24;

    // One axis per settings record. Throws EFTransformSettings when there is no axis, when a record
    // cannot make a partition (fewer than two nodes, an empty context, ...) or when the grid would
    // exceed kMaxCells. The default value starts at 0; the creator sets it.
    explicit TFTransform(std::span<const PartitionSettings> settings);

    // The largest node count m such that m nodes on each of `dimensions` axes stay within kMaxCells
    // (0 when not even two nodes per axis fit).
    static int maxNodesPerAxis(int dimensions);

    int dimensions() const { return static_cast<int>(axes_.size()); }
    const TFuzzyCovering& axis(int i) const { return axes_[static_cast<std::size_t>(i)]; }
    std::size_t cellCount() const { return components_.total(); }
    double defaultValue() const { return defaultValue_; }
    void setDefaultValue(double value) { defaultValue_ = value; }

    // Clears numerators, denominators and validity for a new fit.
    void reset();
    // Accumulates one data row: point holds x_1 .. x_n followed by y. A row with a non-finite value
    // is ignored and false returned; a point size other than n + 1 throws std::invalid_argument.
    bool addPoint(std::span<const double> point);
    // Adds the sums of another fit over the same node grid, cell by cell in the arrays' order, so that rows
    // accumulated in parts make one fit (std::invalid_argument for arrays of another size). Call finish()
    // afterwards.
    void addSums(std::span<const double> numerators, std::span<const double> denominators);
    // Computes the components and their validity from the accumulated rows.
    void finish();
    // The reconstructed output at x (n values).
    double inverse(std::span<const double> x) const;

    // Writes the FT-Vector file; throws EWrite when it could not be written completely, in which case
    // a previous file of that name is left as it was.
    void writeFTVector(const std::filesystem::path& path) const;

    const TNDimArray& numerators() const { return numerators_; }
    const TNDimArray& denominators() const { return denominators_; }
    const TNDimArray& components() const { return components_; }
    const TNDimArray& valid() const { return valid_; }
    bool isValid(std::size_t cell) const { return valid_.at(cell) >= 1.0; }

private:
    std::vector<TFuzzyCovering> axes_;
    double defaultValue_ = 0.0;
    TNDimArray numerators_;
    TNDimArray denominators_;
    TNDimArray components_;
    TNDimArray valid_;
    std::vector<std::size_t> strides_;
};

}  // namespace zorv
