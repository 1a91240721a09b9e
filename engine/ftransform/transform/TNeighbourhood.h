#pragma once

#include "ftransform/partition/TFuzzyCovering.h"

#include <array>
#include <cstddef>
#include <span>

namespace zorv {

// The walk over the node combinations around one point x: on every axis i the base node
// b_i = nodeOf(x_i) and, when it exists, the next node b_i + 1; at most 2^n combinations, the
// first axis varying fastest. For each combination k it gives the cell's linear position and the
// weight
//     w(k) = 1.0 · A_0,k0(x_0) · A_1,k1(x_1) · ... (axes in order, x itself not clamped).
// The axis values are computed once per axis when the walk is made; the walk lives on the stack
// and allocates nothing.
class TNeighbourhood {
public:
    static constexpr int kMaxAxes = 24;

    // axes.size() must not exceed kMaxAxes; strides[i] is the cell distance between nodes of axis i;
    // x holds one coordinate per axis.
    TNeighbourhood(std::span<const TFuzzyCovering> axes, std::span<const std::size_t> strides, const double* x);

    bool done() const { return done_; }
    void next();
    std::size_t cell() const { return cell_; }
    double weight() const;
    int node(int axis) const { return base_[axis] + offset_[axis]; }

private:
    int n_;
    std::array<int, kMaxAxes> base_;
    std::array<int, kMaxAxes> span_;
    std::array<int, kMaxAxes> offset_;
    std::array<std::array<double, 2>, kMaxAxes> value_;
    std::array<std::size_t, kMaxAxes> stride_;
    std::size_t cell_ = 0;
    bool done_ = false;
};

}  // namespace zorv
