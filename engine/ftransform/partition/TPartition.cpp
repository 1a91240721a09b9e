#include "ftransform/partition/TPartition.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zorv {

TPartition::TPartition(double low, double high, int intervals)
    : low_(low), high_(high), intervals_(intervals), step_((high - low) / intervals) {
    if (!std::isfinite(low) || !std::isfinite(high) || !(low < high) || intervals < 1) {
        throw std::invalid_argument("A partition needs a finite interval with low < high and at least one step.");
    }
}

int TPartition::nodeOf(double x) const {
    const double clamped = x > high_ ? high_ : (x >= low_ ? x : low_);
    const double position = std::floor(intervals_ * (clamped - low_) / (high_ - low_));
    return std::min(static_cast<int>(position), intervals_);
}

}  // namespace zorv
