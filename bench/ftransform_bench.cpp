// Speed of the F-transform on a million data rows of two inputs: the direct transform alone, the
// command's fit over number and text rows, the inverse, and a whole command run.
#include "ftransform/command/FTransformCommand.h"
#include "ftransform/command/FTransformNumberTable.h"
#include "ftransform/command/FTransformTextTable.h"
#include "ftransform/transform/TFTransform.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

using namespace zorv;

constexpr int kRows = 1'000'000;
constexpr int kInputs = 2;
const FTransformContext kContext{0.0, 10.0};

// Rows of (x1, x2, y) with y a smooth function of the inputs plus noise.
const std::vector<double>& sampleValues() {
    static const std::vector<double> values = [] {
        std::mt19937 random(42);
        std::uniform_real_distribution<double> input(0.0, 10.0);
        std::normal_distribution<double> noise(0.0, 0.1);
        std::vector<double> v;
        v.reserve(static_cast<std::size_t>(kRows) * (kInputs + 1));
        for (int r = 0; r < kRows; ++r) {
            const double x1 = input(random);
            const double x2 = input(random);
            v.insert(v.end(), {x1, x2, 0.5 * x1 + 0.05 * x2 * x2 + noise(random)});
        }
        return v;
    }();
    return values;
}

std::vector<PartitionSettings> partitions(BasicFunctionShape shape) {
    return std::vector<PartitionSettings>(kInputs, PartitionSettings{0.0, 10.0, 20, shape});
}

void BM_DirectTransform(benchmark::State& state) {
    const auto& values = sampleValues();
    TFTransform transform(partitions(static_cast<BasicFunctionShape>(state.range(0))));
    for (auto _ : state) {
        transform.reset();
        for (std::size_t i = 0; i < values.size(); i += kInputs + 1) {
            transform.addPoint(std::span(values).subspan(i, kInputs + 1));
        }
        transform.finish();
        benchmark::DoNotOptimize(transform.components().values().data());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_InverseTransform(benchmark::State& state) {
    const auto& values = sampleValues();
    TFTransform transform(partitions(BasicFunctionShape::Triangular));
    transform.reset();
    for (std::size_t i = 0; i < values.size(); i += kInputs + 1) {
        transform.addPoint(std::span(values).subspan(i, kInputs + 1));
    }
    transform.finish();
    for (auto _ : state) {
        double sum = 0.0;
        for (std::size_t i = 0; i < values.size(); i += kInputs + 1) {
            sum += transform.inverse(std::span(values).subspan(i, kInputs));
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_CommandFitNumberRows(benchmark::State& state) {
    const FTransformNumberTable table(kInputs, sampleValues());
    const FTransformCommand command({kContext, kContext}, FTransformContext{-5.0, 15.0});
    const auto transform = command.makeTransform(partitions(BasicFunctionShape::Triangular));
    for (auto _ : state) {
        command.fit(*transform, table);
        benchmark::DoNotOptimize(transform->components().values().data());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_CommandFitTextRows(benchmark::State& state) {
    const auto& values = sampleValues();
    std::vector<std::vector<std::string>> rows;
    rows.reserve(kRows);
    for (std::size_t i = 0; i < values.size(); i += kInputs + 1) {
        rows.push_back({std::to_string(values[i]), std::to_string(values[i + 1]), std::to_string(values[i + 2])});
    }
    const FTransformTextTable table(kInputs, std::move(rows));
    const FTransformCommand command({kContext, kContext}, FTransformContext{-5.0, 15.0});
    const auto transform = command.makeTransform(partitions(BasicFunctionShape::Triangular));
    for (auto _ : state) {
        command.fit(*transform, table);
        benchmark::DoNotOptimize(transform->components().values().data());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_CommandRunWithReconstruction(benchmark::State& state) {
    FTransformNumberTable table(kInputs, sampleValues());
    const FTransformCommand command({kContext, kContext}, FTransformContext{-5.0, 15.0});
    for (auto _ : state) {
        const auto outcome = command.run(table, partitions(BasicFunctionShape::Triangular), std::nullopt);
        benchmark::DoNotOptimize(outcome.reconstruction.maxError);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

}  // namespace

BENCHMARK(BM_DirectTransform)
    ->ArgName("shape")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_InverseTransform)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CommandFitNumberRows)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CommandFitTextRows)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CommandRunWithReconstruction)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
