#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>

#include "app/core/evaluation/PointBatch.h"
#include "app/core/evaluation/PointEvaluator.h"

namespace zorv {

// One computation of a point batch, shared by the threads that work on it. A thread takes the next chunk of
// `grain` consecutive points, evaluates them with its own evaluator and writes each output at its point's
// place, so the outputs never depend on which threads computed them, nor on how many.
//
// The run ends when every point is evaluated, when it is cancelled, or at the first evaluation that throws
// (its message is kept; of several, the one of the earliest point). Cancelling also stops the evaluations in
// progress that would take long (the smooth defuzzification), so the threads return soon. Read the batch
// only after every thread working on the run has returned.
class BatchRun {
public:
    using Clock = std::chrono::steady_clock;

    explicit BatchRun(PointBatch batch, std::size_t grain = 1);

    // Evaluates chunks until none is left or the run has ended.
    void Work(PointEvaluator& evaluator);
    // As Work, but returns after the chunk during which `budget` ran out (a slice of work on a thread that
    // must stay responsive).
    void WorkFor(PointEvaluator& evaluator, Clock::duration budget);

    void Cancel() { stop_.request_stop(); }
    bool Cancelled() const { return stop_.stop_requested(); }
    // Nothing more to take: all points handed out, or the run cancelled or failed.
    bool Ended() const;
    // Every point evaluated, without failure or cancellation.
    bool Complete() const;
    std::optional<std::string> Failure() const;

    std::size_t Done() const { return done_; }
    std::size_t Total() const { return batch_.Size(); }
    const PointBatch& Batch() const { return batch_; }

private:
    // Evaluates one chunk; false when there was none to take.
    bool WorkChunk(PointEvaluator& evaluator);
    void Fail(std::size_t point, std::string message);

    PointBatch batch_;
    std::size_t grain_;
    std::atomic<std::size_t> next_{0};
    std::atomic<std::size_t> done_{0};
    std::stop_source stop_;
    std::atomic<bool> failed_{false};
    mutable std::mutex failureMutex_;
    std::size_t failedPoint_ = 0;
    std::string failure_;
};

}  // namespace zorv
