#include "app/core/tuning/BestErrorTrace.h"

namespace zorv {

void BestErrorTrace::Add(int evaluation, double best) {
    const std::lock_guard lock(mutex_);
    points_.push_back({evaluation, best});
}

std::vector<BestErrorTrace::Point> BestErrorTrace::Points() const {
    const std::lock_guard lock(mutex_);
    return points_;
}

void BestErrorTrace::Clear() {
    const std::lock_guard lock(mutex_);
    points_.clear();
}

}  // namespace zorv
