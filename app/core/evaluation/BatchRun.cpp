#include "app/core/evaluation/BatchRun.h"

#include <algorithm>
#include <exception>

#include "inference/EStopped.h"

namespace zorv {

BatchRun::BatchRun(PointBatch batch, std::size_t grain) : batch_(std::move(batch)), grain_(std::max<std::size_t>(grain, 1)) {}

void BatchRun::Work(PointEvaluator& evaluator) {
    evaluator.StopWhen(stop_.get_token());
    while (WorkChunk(evaluator)) {
    }
}

void BatchRun::WorkFor(PointEvaluator& evaluator, Clock::duration budget) {
    const Clock::time_point end = Clock::now() + budget;
    evaluator.StopWhen(stop_.get_token());
    while (WorkChunk(evaluator) && Clock::now() < end) {
    }
}

bool BatchRun::Ended() const { return Cancelled() || failed_ || next_.load() >= batch_.Size(); }

bool BatchRun::Complete() const { return !Cancelled() && !failed_ && done_.load() == batch_.Size(); }

std::optional<std::string> BatchRun::Failure() const {
    if (!failed_) return std::nullopt;
    const std::lock_guard lock(failureMutex_);
    return failure_;
}

bool BatchRun::WorkChunk(PointEvaluator& evaluator) {
    if (Cancelled() || failed_) return false;
    const std::size_t first = next_.fetch_add(grain_);
    if (first >= batch_.Size()) return false;
    const std::size_t last = std::min(first + grain_, batch_.Size());
    for (std::size_t i = first; i < last; ++i) {
        try {
            batch_.SetOutput(i, evaluator.Evaluate(batch_.Point(i)));
        } catch (const EStopped&) {
            return false;  // cancelled meanwhile
        } catch (const std::exception& error) {
            Fail(i, error.what());
            return false;
        }
        ++done_;
    }
    return true;
}

void BatchRun::Fail(std::size_t point, std::string message) {
    const std::lock_guard lock(failureMutex_);
    if (!failed_ || point < failedPoint_) {
        failedPoint_ = point;
        failure_ = std::move(message);
    }
    failed_ = true;
}

}  // namespace zorv
