#pragma once

#include <memory>

#include "app/core/evaluation/PointEvaluator.h"

namespace zorv {

// Hands out point evaluators for the threads that compute a batch of points (surfaces, projections).
//
// Concurrency() tells how many evaluators may work at the same time, each on a thread of its own. A source
// that answers 1 evaluates on the rule base document itself: its evaluators must be used one at a time, on
// the thread that owns the document, and the work is then cut into short slices on that thread.
class EvaluatorSource {
public:
    virtual ~EvaluatorSource() = default;

    virtual int Concurrency() const = 0;
    virtual std::unique_ptr<PointEvaluator> NewEvaluator() const = 0;
};

}  // namespace zorv
