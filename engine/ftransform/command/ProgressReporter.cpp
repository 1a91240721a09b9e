#include "ftransform/command/ProgressReporter.h"

#include <algorithm>

namespace zorv {

namespace {

constexpr int kReportsPerPass = 1000;

}  // namespace

ProgressReporter::ProgressReporter(const Callback& callback, int total)
    : callback_(callback), total_(total), step_(std::max(1, total / kReportsPerPass)), nextReport_(step_) {
    if (callback_) {
        callback_(0, total_);
    }
}

void ProgressReporter::advance(int done) {
    if (!callback_ || (done < nextReport_ && done < total_)) {
        return;
    }
    nextReport_ = done + step_;
    callback_(done, total_);
}

}  // namespace zorv
