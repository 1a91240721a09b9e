// The data table on a data file of 1,000,000 rows for examples/heater.rb (HeaterDataFile.h):
// - BM_Import: reading the file into the table as the "Import file..." command does (off the interface
//   thread in the workbench); "peak_MB" is the process's peak resident memory once the table is in place
//   (the benchmark runs first, so nothing else has been held before it);
// - BM_Compute/jobs: Compute of every row on one thread and on two, the results written into the table;
// - BM_ComputeLingApprox: the same on every core with the "Ling. Approx." column.
// bench/qt/data_window_bench measures the same in the editor window, whose interface thread stays free.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "app/core/data/DataTable.h"
#include "app/core/data/RuleBaseDataSource.h"
#include "bench/HeaterDataFile.h"
#include "rulebase/CRuleBase.h"

namespace {

using namespace zorv;

constexpr int kRows = bench::kHeaterRows;

const CRuleBase& Heater() {
    static const std::unique_ptr<CRuleBase> unit = CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb");
    return *unit;
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void Import(DataTable& table) {
    DataTable::ImportedData data = table.ReadDataFile(bench::HeaterDataFile(), {});
    if (data.result.rows != kRows) throw std::runtime_error("the bench file was not read whole");
    table.InstallImport(std::move(data));
}

void BM_Import(benchmark::State& state) {
    bench::HeaterDataFile();
    for (auto _ : state) {
        DataTable table(RuleBaseDataSource::LayoutOf(Heater()));
        Import(table);
        benchmark::DoNotOptimize(table.Grid().RowCount());
    }
    state.counters["peak_MB"] = PeakMegabytes();
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kRows);
}
BENCHMARK(BM_Import)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

DataTable& ImportedTable(bool lingApprox) {
    static DataTable table = [] {
        DataTable imported(RuleBaseDataSource::LayoutOf(Heater()));
        Import(imported);
        return imported;
    }();
    table.SetLingApprox(lingApprox);
    return table;
}

// Arg: jobs (0: every core).
void Compute(benchmark::State& state, bool lingApprox) {
    DataTable& table = ImportedTable(lingApprox);
    RuleBaseDataSource source(Heater(), static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const DataComputeResult result = table.Compute(source);
        if (result.RowsComputed() != kRows) throw std::runtime_error("not every row was computed");
    }
    state.counters["peak_MB"] = PeakMegabytes();
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kRows);
}

void BM_Compute(benchmark::State& state) { Compute(state, false); }
BENCHMARK(BM_Compute)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

void BM_ComputeLingApprox(benchmark::State& state) { Compute(state, true); }
BENCHMARK(BM_ComputeLingApprox)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
