// Batch evaluation of the 3-input benchmark base grid343.rb on its 68,921 input rows, on one thread and on
// two, as zorv eval --batch and the data table's Compute run it: one compiled rule base, a workspace per
// thread (ChunkRunner). Real time, so that the speedup of the second core shows.
//
// The same measurement through the command line, with 1,000,000 rows (the input file repeated):
//   for j in 1 2; do /usr/bin/time -f "jobs $j: %e s %M KB" zorv eval grid343.rb --batch rows.txt --jobs $j >/dev/null; done
// The files are read from $ZORV_SHARED_DIR/bench, else from <source>/../shared/bench.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "inference/compiled/ChunkRunner.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "rulebase/CRuleBase.h"

namespace {

std::string BenchDir() {
    if (const char* dir = std::getenv("ZORV_SHARED_DIR")) return std::string(dir) + "/bench/";
    return std::string(ZORV_SOURCE_DIR) + "/../shared/bench/";
}

struct Workload {
    std::unique_ptr<zorv::CRuleBase> unit;
    std::vector<double> inputs;
};

const Workload& Grid343() {
    static const Workload w = [] {
        Workload loaded;
        loaded.unit = zorv::CRuleBase::Load(BenchDir() + "grid343.rb");
        std::ifstream in(BenchDir() + "grid343-inputs.txt");
        for (double v = 0.0; in >> v;) loaded.inputs.push_back(v);
        return loaded;
    }();
    return w;
}

// Arg: jobs.
void BM_Batch(benchmark::State& state) {
    const Workload& w = Grid343();
    zorv::ChunkRunner runner(w.unit->Compiled(), static_cast<int>(state.range(0)));
    const std::size_t width = static_cast<std::size_t>(w.unit->AntecedentCount());
    const std::size_t rows = w.inputs.size() / width;
    std::vector<double> outputs(rows);
    for (auto _ : state) {
        runner.run(rows, [&](const zorv::ChunkRunner::Piece& piece, zorv::Workspace& ws) {
            for (std::size_t i = piece.begin; i < piece.end; ++i)
                outputs[i] = runner.compiled().evaluate(std::span(w.inputs).subspan(i * width, width), ws);
        });
        benchmark::DoNotOptimize(outputs.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(rows));
}
BENCHMARK(BM_Batch)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
