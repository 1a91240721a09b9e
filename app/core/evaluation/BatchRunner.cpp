#include "app/core/evaluation/BatchRunner.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace zorv {

void BatchRunner::Run(BatchRun& run, const EvaluatorSource& source, const ProgressCallback& progress) {
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int helpers = std::clamp(std::min(source.Concurrency(), cores) - 1, 0, static_cast<int>(run.Total()));
    std::vector<std::jthread> threads;
    threads.reserve(static_cast<std::size_t>(helpers));
    for (int t = 0; t < helpers; ++t) {
        threads.emplace_back([&run, evaluator = source.NewEvaluator()] { run.Work(*evaluator); });
    }
    const auto evaluator = source.NewEvaluator();
    const int total = static_cast<int>(run.Total());
    while (!run.Ended()) {
        run.WorkFor(*evaluator, BatchRun::Clock::duration::zero());
        if (progress) progress(static_cast<int>(run.Done()), total);
    }
    threads.clear();  // joins the helpers, which finish their last chunks
    if (progress) progress(static_cast<int>(run.Done()), total);
}

}  // namespace zorv
