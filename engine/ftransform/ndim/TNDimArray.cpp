#include "ftransform/ndim/TNDimArray.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

namespace zorv {

namespace {

std::size_t cellCount(const std::vector<int>& sizes) {
    if (sizes.empty()) {
        throw std::invalid_argument("An n-dimensional array needs at least one dimension.");
    }
    std::size_t total = 1;
    for (const int s : sizes) {
        if (s < 0) {
            throw std::invalid_argument("An n-dimensional array cannot have a negative size.");
        }
        const auto size = static_cast<std::size_t>(s);
        if (size != 0 && total > std::numeric_limits<std::size_t>::max() / sizeof(double) / size) {
            throw std::length_error("An n-dimensional array would have too many cells.");
        }
        total *= size;
    }
    return total;
}

}  // namespace

TNDimArray::TNDimArray(std::vector<int> sizes)
    : sizes_(std::move(sizes)), values_(cellCount(sizes_), 0.0), odometer_(sizes_) {}

std::size_t TNDimArray::linearIndex(const int* index) const {
    std::size_t linear = 0;
    std::size_t stride = 1;
    for (std::size_t i = 0; i < sizes_.size(); ++i) {
        linear += static_cast<std::size_t>(index[i]) * stride;
        stride *= static_cast<std::size_t>(sizes_[i]);
    }
    return linear;
}

std::size_t TNDimArray::set(const int* index, double v) {
    const std::size_t linear = linearIndex(index);
    values_[linear] = v;
    return linear;
}

TNDimArray& TNDimArray::clear() {
    std::fill(values_.begin(), values_.end(), 0.0);
    return *this;
}

std::vector<std::size_t> TNDimArray::strides() const {
    std::vector<std::size_t> result(sizes_.size());
    std::size_t stride = 1;
    for (std::size_t i = 0; i < sizes_.size(); ++i) {
        result[i] = stride;
        stride *= static_cast<std::size_t>(sizes_[i]);
    }
    return result;
}

}  // namespace zorv
