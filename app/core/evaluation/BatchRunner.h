#pragma once

#include "app/core/evaluation/BatchRun.h"
#include "app/core/data/DataTableEvaluator.h"
#include "app/core/evaluation/EvaluatorSource.h"

namespace zorv {

// Computes a batch in the foreground: on the calling thread and, as far as the source allows and the
// machine has cores, on as many more threads, each with an evaluator of its own. Progress (points done of
// all points) is reported on the calling thread after each of its chunks. Returns when the run has ended
// and every thread has returned.
class BatchRunner {
public:
    static void Run(BatchRun& run, const EvaluatorSource& source, const ProgressCallback& progress = {});
};

}  // namespace zorv
