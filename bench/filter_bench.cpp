// A rebuild of the F-transform inference filter of the 2-input benchmark base grid49.rb: 201 x 201 = 40,401
// evaluations and the fit, on one thread and on every core. Also one filtered evaluation.
// The file is read from $ZORV_SHARED_DIR/bench, else from <source>/../shared/bench.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "inference/InferenceMethodTable.h"
#include "inference/filter/FTInferenceFilter.h"
#include "rulebase/CRuleBase.h"

namespace {

using zorv::CRuleBase;
using zorv::FTInferenceFilter;

std::string BenchDir() {
    if (const char* dir = std::getenv("ZORV_SHARED_DIR")) return std::string(dir) + "/bench/";
    return std::string(ZORV_SOURCE_DIR) + "/../shared/bench/";
}

CRuleBase& Grid49() {
    static const std::unique_ptr<CRuleBase> unit = CRuleBase::Load(BenchDir() + "grid49.rb");
    return *unit;
}

// Arg: threads (0 = every core); second arg: inference row (-1 = the file's method).
void BM_FilterRebuild(benchmark::State& state) {
    CRuleBase& unit = Grid49();
    const auto* fileMethod = &unit.InferenceMethod();
    if (state.range(1) >= 0)
        unit.SetInferenceMethod(zorv::InferenceMethodTable()[static_cast<std::size_t>(state.range(1))]);
    const auto compiled = unit.Compiled();
    for (auto _ : state)
        benchmark::DoNotOptimize(FTInferenceFilter::Build(compiled, {}, {}, static_cast<int>(state.range(0))));
    state.SetLabel(std::string(unit.InferenceMethod().shortName));
    unit.SetInferenceMethod(*fileMethod);
}
// CPU time of the whole process (every thread), to tell the work from the waiting on a busy machine.
BENCHMARK(BM_FilterRebuild)
    ->Args({1, -1})
    ->Args({0, -1})
    ->Args({0, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

void BM_FilteredEvaluate(benchmark::State& state) {
    const auto filter = FTInferenceFilter::Build(Grid49().Compiled());
    const double inputs[] = {0.43, 0.61};
    for (auto _ : state) benchmark::DoNotOptimize(filter->Evaluate(inputs));
}
BENCHMARK(BM_FilteredEvaluate);

}  // namespace

BENCHMARK_MAIN();
