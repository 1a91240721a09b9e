// Rule learning from 100,000 data rows: Approx learning on grid49.rb (seven user terms per variable) and
// pentatomy on examples/heater.rb, from rows of numbers and from rows of cell texts as the data table holds
// them. Each iteration learns into a freshly loaded rule base and writes the .rules file to the temporary
// folder. The benchmark base is read from $ZORV_SHARED_DIR/bench, else from <source>/../shared/bench.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "rulebase/CRuleBase.h"
#include "rulebase/learning/LearningNumberRows.h"
#include "rulebase/learning/LearningTextRows.h"
#include "rulebase/learning/RuleLearning.h"

namespace {

using zorv::CRuleBase;

constexpr int kRows = 100'000;

std::string BenchDir() {
    if (const char* dir = std::getenv("ZORV_SHARED_DIR")) return std::string(dir) + "/bench/";
    return std::string(ZORV_SOURCE_DIR) + "/../shared/bench/";
}

std::string RuleBasePath(int base) {
    return base == 0 ? BenchDir() + "grid49.rb" : std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb";
}

// kRows rows of three values spread over each variable's context.
std::vector<double> Values(const CRuleBase& unit) {
    std::mt19937 random(7);
    std::vector<double> values;
    values.reserve(3 * kRows);
    for (int r = 0; r < kRows; ++r) {
        for (const int v : {0, 1, -1}) {
            std::uniform_real_distribution<double> value(unit.ContextLow(v), unit.ContextHigh(v));
            values.push_back(value(random));
        }
    }
    return values;
}

std::vector<std::vector<std::string>> Texts(const std::vector<double>& values) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < values.size(); i += 3) {
        rows.push_back({std::to_string(values[i]), std::to_string(values[i + 1]), std::to_string(values[i + 2])});
    }
    return rows;
}

// Args: base (0 grid49 with Approx learning, 1 heater with pentatomy), rows (0 numbers, 1 texts).
void BM_Learn(benchmark::State& state) {
    const int base = static_cast<int>(state.range(0));
    const std::string path = RuleBasePath(base);
    const auto mode = base == 0 ? zorv::LearningMode::approx : zorv::LearningMode::pentatomy;
    const std::vector<double> values = Values(*CRuleBase::Load(path));
    const zorv::LearningNumberRows numbers(3, values);
    const zorv::LearningTextRows texts(Texts(values));
    const zorv::LearningRows& rows = state.range(1) == 0 ? static_cast<const zorv::LearningRows&>(numbers) : texts;
    const auto rulesFile = std::filesystem::temp_directory_path() / "zorv-learning-bench.rules";
    for (auto _ : state) {
        state.PauseTiming();
        auto unit = CRuleBase::Load(path);
        const auto grid = unit->Rules();
        state.ResumeTiming();
        const auto outcome = zorv::RuleLearning(*unit, mode).run(grid, rows, rulesFile);
        benchmark::DoNotOptimize(outcome.added);
    }
    std::filesystem::remove(rulesFile);
    state.SetLabel(std::string(base == 0 ? "approx grid49" : "pentatomy heater") +
                   (state.range(1) == 0 ? ", numbers" : ", texts"));
}
BENCHMARK(BM_Learn)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
