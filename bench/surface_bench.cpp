// The surface window's largest grid (70 x 70) and the test window's projection (26 points) on the 49-rule
// benchmark rule base, computed as the windows and "zorv surface"/"zorv projection" compute them.
// The files are read from $ZORV_SHARED_DIR/bench, else from <source>/../shared/bench.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "app/core/evaluation/BatchRunner.h"
#include "app/core/evaluation/EvaluatorSources.h"
#include "app/core/testwindow/ProjectionCurve.h"
#include "app/core/surface/SurfaceGrid.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "inference/compiled/Workspace.h"
#include "rulebase/CRuleBase.h"

namespace {

using zorv::CRuleBase;

std::string Grid49() {
    if (const char* dir = std::getenv("ZORV_SHARED_DIR")) return std::string(dir) + "/bench/grid49.rb";
    return std::string(ZORV_SOURCE_DIR) + "/../shared/bench/grid49.rb";
}

// Every thread gets a rule base of its own, read from the file: what a thread-safe evaluator gives, to show
// how the work spreads over the cores.
class PerThreadUnits final : public zorv::EvaluatorSource {
public:
    PerThreadUnits(int inference, int defuzzification, int steps)
        : inference_(inference), defuzzification_(defuzzification), steps_(steps) {}
    int Concurrency() const override { return 64; }
    std::unique_ptr<zorv::PointEvaluator> NewEvaluator() const override {
        struct Own final : zorv::PointEvaluator {
            std::unique_ptr<CRuleBase> unit;
            zorv::Workspace workspace;
            double Evaluate(std::span<const double> inputs) override { return unit->Evaluate(inputs, workspace); }
        };
        auto evaluator = std::make_unique<Own>();
        evaluator->unit = Load(inference_, defuzzification_, steps_);
        return evaluator;
    }

    static std::unique_ptr<CRuleBase> Load(int inference, int defuzzification, int steps) {
        auto unit = CRuleBase::Load(Grid49());
        unit->SetInferenceMethod(zorv::InferenceMethodTable()[static_cast<std::size_t>(inference)]);
        unit->SetDefuzzificationMethod(zorv::DefuzzificationMethodTable()[static_cast<std::size_t>(defuzzification)]);
        unit->SetSteps(steps);
        return unit;
    }

private:
    int inference_, defuzzification_, steps_;
};

std::string Label(const CRuleBase& unit) {
    return std::string(unit.InferenceMethod().shortName) + " + " + std::string(unit.DefuzzificationMethod().shortName) +
           ", unit steps " + std::to_string(unit.Steps());
}

void Run(benchmark::State& state, CRuleBase& unit, const zorv::PointBatch& points, const zorv::EvaluatorSource& source) {
    for (auto _ : state) {
        zorv::BatchRun run(points);
        zorv::BatchRunner::Run(run, source);
        benchmark::DoNotOptimize(run.Batch().Outputs().data());
    }
    state.counters["points"] = static_cast<double>(points.Size());
    state.SetLabel(Label(unit));
}

// Args: inference row, defuzzification row, unit steps (the smooth defuzzification's resolution; the test
// window sets 25), 1 for per-thread units on all cores.
void BM_Surface70(benchmark::State& state) {
    const auto unit = PerThreadUnits::Load(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                           static_cast<int>(state.range(2)));
    const zorv::SurfaceGrid grid(*unit, 0, 1, 70, {0.5, 0.5});
    const PerThreadUnits threads(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                 static_cast<int>(state.range(2)));
    const auto document = zorv::EvaluatorSources::For(*unit, zorv::UnitResponse::Plain);
    Run(state, *unit, grid.Points(), state.range(3) ? static_cast<const zorv::EvaluatorSource&>(threads) : *document);
}
BENCHMARK(BM_Surface70)
    ->Args({3, 0, 25, 0})
    ->Args({3, 6, 25, 0})
    ->Args({3, 6, 25, 1})
    ->Args({1, 6, 25, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_Surface70)->Args({3, 6, 100, 0})->Args({3, 6, 100, 1})->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The test window's projection at its 25 steps: 26 points. Args: inference row, defuzzification row.
void BM_Projection26(benchmark::State& state) {
    const auto unit = PerThreadUnits::Load(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 25);
    const zorv::ProjectionCurve curve(*unit, 0, 25, {0.5, 0.43});
    Run(state, *unit, curve.Points(), *zorv::EvaluatorSources::For(*unit, zorv::UnitResponse::Plain));
}
BENCHMARK(BM_Projection26)->Args({3, 0})->Args({1, 2})->Args({3, 6})->Args({1, 6})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
