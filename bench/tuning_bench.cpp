// Tuning the input and output contexts of examples/heater.rb (and of the same rules under DNF with the centre of
// gravity) to 10,000 rows that the true rule base made, from input contexts moved by about 20 % of their
// width, with the default budget on a given number of threads. The goal: at most 10 s on 2 cores.
#include <benchmark/benchmark.h>

#include <string>

#include "rulebase/CRuleBase.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TuningData.h"
#include "tuning/Tuner.h"

namespace {

constexpr int kRows = 10'000;

// Args: rule base (0 heater, 1 heater under DNF and COG), threads.
void BM_Tune(benchmark::State& state) {
    const std::string heater = zorv::test::fileText(std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb");
    const std::string text = state.range(0) == 0 ? heater : zorv::test::WithDnfAndCog(heater);
    const zorv::TuningRows rows = zorv::test::RowsFrom(*zorv::CRuleBase::LoadFromText(text, "truth"), kRows, 11);
    const auto disturbed = zorv::CRuleBase::LoadFromText(zorv::test::DisturbedHeater(text), "disturbed");
    zorv::TuningOptions options;
    options.jobs = static_cast<int>(state.range(1));
    zorv::TuningResult result;
    for (auto _ : state) {
        // Not benchmark::DoNotOptimize(result.trainingAfter): this version's register constraint garbles a double.
        result = zorv::Tuner(*disturbed, rows, options).Run();
    }
    state.counters["rmse_before"] = result.trainingBefore;
    state.counters["rmse_after"] = result.trainingAfter;
    state.counters["evaluations"] = result.search.evaluations;
    state.SetLabel(std::string(state.range(0) == 0 ? "heater" : "heater DNF+COG") + ", " +
                   std::to_string(state.range(1)) + " threads");
}
BENCHMARK(BM_Tune)->Args({0, 2})->Args({1, 2})->Args({0, 1})->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
