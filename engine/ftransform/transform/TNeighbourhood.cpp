#include "ftransform/transform/TNeighbourhood.h"

namespace zorv {

TNeighbourhood::TNeighbourhood(std::span<const TFuzzyCovering> axes, std::span<const std::size_t> strides,
                               const double* x)
    : n_(static_cast<int>(axes.size())) {
    for (int i = 0; i < n_; ++i) {
        const TFuzzyCovering& axis = axes[i];
        const int base = axis.nodeOf(x[i]);
        base_[i] = base;
        span_[i] = base + 1 < axis.nodes() ? 2 : 1;
        offset_[i] = 0;
        value_[i][0] = axis.axisValue(base, x[i]);
        value_[i][1] = span_[i] == 2 ? axis.axisValue(base + 1, x[i]) : 0.0;
        stride_[i] = strides[i];
        cell_ += static_cast<std::size_t>(base) * strides[i];
    }
    done_ = n_ == 0;
}

void TNeighbourhood::next() {
    for (int i = 0; i < n_; ++i) {
        if (++offset_[i] < span_[i]) {
            cell_ += stride_[i];
            return;
        }
        cell_ -= static_cast<std::size_t>(offset_[i] - 1) * stride_[i];
        offset_[i] = 0;
    }
    done_ = true;
}

double TNeighbourhood::weight() const {
    double w = 1.0;
    for (int i = 0; i < n_; ++i) {
        w *= value_[i][offset_[i]];
    }
    return w;
}

}  // namespace zorv
