#pragma once

#include "ftransform/ndim/TOdometer.h"

#include <cstddef>
#include <vector>

namespace zorv {

// A dense n-dimensional array of doubles, first index fastest. With s_i the size of dimension i,
// the multi-index (k0, k1, ..., k(n-1)) lives at the linear position
//     k0 + k1·s0 + k2·s0·s1 + ...
// The sizes are fixed at construction; the values start at 0.0. Indices are not checked: every k_i
// must lie in 0 .. s_i - 1. The array carries one odometer iteration over its cells:
//     for (a.beginIteration(); !a.done(); a.next()) use(a.cursor(), a.get());
class TNDimArray {
public:
    // Throws std::invalid_argument for no dimension or a negative size, std::length_error when the
    // cell count does not fit in memory addressing.
    explicit TNDimArray(std::vector<int> sizes);

    int dimensions() const { return static_cast<int>(sizes_.size()); }
    std::size_t total() const { return values_.size(); }
    const std::vector<int>& sizes() const { return sizes_; }

    std::size_t linearIndex(const int* index) const;
    double get(const int* index) const { return values_[linearIndex(index)]; }
    // The value at the iteration cursor.
    double get() const { return get(odometer_.cursor().data()); }
    // Stores v at the multi-index and returns its linear position.
    std::size_t set(const int* index, double v);
    TNDimArray& clear();

    // Direct access by linear position, for callers that walk the cells themselves.
    double& at(std::size_t linear) { return values_[linear]; }
    double at(std::size_t linear) const { return values_[linear]; }
    const std::vector<double>& values() const { return values_; }
    // The distance between neighbouring cells along each dimension.
    std::vector<std::size_t> strides() const;

    const std::vector<int>& beginIteration() { return odometer_.start(); }
    const std::vector<int>& next() { return odometer_.next(); }
    bool done() const { return odometer_.done(); }
    const std::vector<int>& cursor() const { return odometer_.cursor(); }

private:
    std::vector<int> sizes_;
    std::vector<double> values_;
    TOdometer odometer_;
};

}  // namespace zorv
