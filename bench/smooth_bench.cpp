// The smooth defuzzification on examples/heater.rb, side by side with plain evaluations of the same rule base,
// on every core (ChunkRunner, as the surface window, zorv surface and Compute spread their points):
//  - the surface window's largest grid, 70 x 70 centres, under the smooth defuzzification at 70 steps (the
//    test window's Steps field), against 100,000 plain evaluations (Simple DEE) at random inputs;
//  - 100,000 random rows under it at the rule base's own 100 steps, as Compute evaluates a data file.
#include <benchmark/benchmark.h>

#include <random>
#include <span>
#include <string>
#include <vector>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/compiled/ChunkRunner.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "rulebase/CRuleBase.h"

namespace {

using zorv::CRuleBase;

std::unique_ptr<CRuleBase> Heater(bool smooth, int steps) {
    auto unit = CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb");
    if (smooth) unit->SetDefuzzificationMethod(zorv::DefuzzificationMethodTable()[6]);
    unit->SetSteps(steps);
    return unit;
}

// n x n centres over the two contexts, first input fastest, as the surface grid lays them out.
std::vector<double> SurfaceCentres(const CRuleBase& unit, int n) {
    std::vector<double> points;
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i)
            for (const int k : {0, 1}) {
                const double lo = unit.ContextLow(k), hi = unit.ContextHigh(k);
                points.push_back(lo + (k == 0 ? i : j) * (hi - lo) / (n - 1));
            }
    return points;
}

std::vector<double> RandomRows(const CRuleBase& unit, int rows) {
    std::mt19937 rng(1);
    std::vector<double> points;
    for (int r = 0; r < rows; ++r)
        for (const int k : {0, 1})
            points.push_back(std::uniform_real_distribution<double>(unit.ContextLow(k), unit.ContextHigh(k))(rng));
    return points;
}

void Evaluate(benchmark::State& state, const CRuleBase& unit, const std::vector<double>& points) {
    zorv::ChunkRunner runner(unit.Compiled(), 0);
    const std::size_t rows = points.size() / 2;
    std::vector<double> outputs(rows);
    for (auto _ : state) {
        runner.run(rows, [&](const zorv::ChunkRunner::Piece& piece, zorv::Workspace& ws) {
            for (std::size_t i = piece.begin; i < piece.end; ++i)
                outputs[i] = runner.compiled().evaluate(std::span(points).subspan(2 * i, 2), ws);
        });
        benchmark::DoNotOptimize(outputs.data());
    }
    state.counters["points"] = static_cast<double>(rows);
}

void BM_HeaterSmoothSurface70(benchmark::State& state) {
    const auto unit = Heater(true, 70);
    Evaluate(state, *unit, SurfaceCentres(*unit, 70));
}
BENCHMARK(BM_HeaterSmoothSurface70)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HeaterPlain100k(benchmark::State& state) {
    const auto unit = Heater(false, 100);
    Evaluate(state, *unit, RandomRows(*unit, 100'000));
}
BENCHMARK(BM_HeaterPlain100k)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HeaterSmoothCompute100k(benchmark::State& state) {
    const auto unit = Heater(true, 100);
    Evaluate(state, *unit, RandomRows(*unit, 100'000));
}
BENCHMARK(BM_HeaterSmoothCompute100k)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
