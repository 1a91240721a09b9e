// One evaluation of the benchmark rule bases (grid49.rb, grid343.rb) with every crisp inference method and
// the cheap defuzzifiers, and the smooth defuzzification on the 2-input base.
// The files are read from $ZORV_SHARED_DIR/bench, else from <source>/../shared/bench.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "inference/compiled/Workspace.h"
#include "rulebase/CRuleBase.h"

namespace {

using zorv::CRuleBase;

std::string BenchDir() {
    if (const char* dir = std::getenv("ZORV_SHARED_DIR")) return std::string(dir) + "/bench/";
    return std::string(ZORV_SOURCE_DIR) + "/../shared/bench/";
}

struct Workload {
    std::unique_ptr<CRuleBase> unit;
    std::vector<double> inputs;  // rows of AntecedentCount() values
    zorv::Workspace workspace;
};

Workload Load(const std::string& name) {
    Workload w;
    w.unit = CRuleBase::Load(BenchDir() + name + ".rb");
    std::ifstream in(BenchDir() + name + "-inputs.txt");
    double v = 0.0;
    while (in >> v) w.inputs.push_back(v);
    return w;
}

Workload& Grid(int inputs) {
    static Workload grid49 = Load("grid49");
    static Workload grid343 = Load("grid343");
    return inputs == 2 ? grid49 : grid343;
}

// Args: number of inputs (2 or 3), inference row, defuzzification row. Cycles through the input rows.
void BM_Evaluate(benchmark::State& state) {
    Workload& w = Grid(static_cast<int>(state.range(0)));
    const auto& inference = zorv::InferenceMethodTable()[static_cast<std::size_t>(state.range(1))];
    const auto& defuzzification = zorv::DefuzzificationMethodTable()[static_cast<std::size_t>(state.range(2))];
    w.unit->SetInferenceMethod(inference);
    w.unit->SetDefuzzificationMethod(defuzzification);
    const std::size_t n = static_cast<std::size_t>(w.unit->AntecedentCount());
    const std::size_t rows = w.inputs.size() / n;
    std::size_t row = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(w.unit->Evaluate(&w.inputs[row * n], w.workspace));
        row = row + 1 == rows ? 0 : row + 1;
    }
    state.SetLabel(std::string(inference.shortName) + " + " + std::string(defuzzification.shortName));
}

void CrispMethods(benchmark::internal::Benchmark* b) {
    for (const int inputs : {2, 3})
        for (const int method : {0, 1, 3, 4, 5})
            for (const int defuzz : {0, 2}) b->Args({inputs, method, defuzz});
    for (const int defuzz : {1, 3, 4, 5}) b->Args({2, 3, defuzz});
}
BENCHMARK(BM_Evaluate)->Apply(CrispMethods);

// The smooth defuzzification at the default 100 steps: 81 x 81 = 6,561 inferences per evaluation.
void BM_Smooth(benchmark::State& state) {
    Workload& w = Grid(2);
    w.unit->SetInferenceMethod(zorv::InferenceMethodTable()[static_cast<std::size_t>(state.range(0))]);
    w.unit->SetDefuzzificationMethod(zorv::DefuzzificationMethodTable()[6]);
    w.unit->SetSteps(100);
    const double inputs[] = {0.43, 0.61};
    for (auto _ : state) benchmark::DoNotOptimize(w.unit->Evaluate(inputs, w.workspace));
    state.SetLabel(std::string(zorv::InferenceMethodTable()[static_cast<std::size_t>(state.range(0))].shortName));
}
BENCHMARK(BM_Smooth)->Arg(3)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace



namespace {

// The inference alone (Args: inputs, inference row), cycling through the input rows.
void BM_InferOnly(benchmark::State& state) {
    Workload& w = Grid(static_cast<int>(state.range(0)));
    const auto& inference = zorv::InferenceMethodTable()[static_cast<std::size_t>(state.range(1))];
    const std::size_t n = static_cast<std::size_t>(w.unit->AntecedentCount());
    const std::size_t rows = w.inputs.size() / n;
    std::size_t row = 0;
    const auto compiled = w.unit->Compiled();
    zorv::Workspace ws(*compiled);
    zorv::CFuzzyDiscreteSet& conclusion = ws.conclusion;
    for (auto _ : state) {
        benchmark::DoNotOptimize(inference.crisp(*compiled, ws, &w.inputs[row * n], conclusion));
        row = row + 1 == rows ? 0 : row + 1;
    }
    state.SetLabel(std::string(inference.shortName));
}
BENCHMARK(BM_InferOnly)->Args({2, 3})->Args({2, 1})->Args({2, 0})->Args({3, 3})->Args({3, 1});

}  // namespace
BENCHMARK_MAIN();
