// The analysis display of the rules grid (all four columns, from the rule texts of a loaded rule base) on
// every combination of 7 terms over 4 inputs (2,401 rules) and of 5 terms over 5 inputs (3,125 rules), the
// consequents given by the sum of the term positions; and Delete Duplicit, Delete Redundant and Merge
// Inconsistent on 20,000 equal rules (the analysis of the rules included, replacing them in the rule base
// not). The rule bases are generated here.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/RuleBaseTextBuilder.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/analysis/DeleteDuplicit.h"
#include "rulebase/analysis/DeleteRedundant.h"
#include "rulebase/analysis/InconsistencyMerger.h"
#include "rulebase/analysis/RuleAnalysis.h"
#include "rulebase/analysis/RulesInfo.h"

namespace {

using zorv::CRuleBase;
using zorv::test::RuleBaseTextBuilder;

const std::vector<std::string> kSevenTerms{"ex sm", "ve sm", "sm", "me", "bi", "ve bi", "ex bi"};
const std::vector<std::string> kFiveTerms{"ve sm", "sm", "me", "bi", "ve bi"};
const std::vector<std::string> kConsequents{"ex sm", "ve sm", "sm", "ml sm", "me", "ml bi", "bi", "ve bi", "ex bi"};

// Every combination of the terms over the inputs, in odometer order (the last input fastest).
std::unique_ptr<CRuleBase> AllCombinations(int inputs, const std::vector<std::string>& terms) {
    RuleBaseTextBuilder builder;
    for (int k = 0; k < inputs; ++k) {
        std::string name = "x";
        name += std::to_string(k + 1);
        builder.input({name});
    }
    builder.output({"y"});
    const int n = static_cast<int>(terms.size());
    std::vector<int> digits(static_cast<std::size_t>(inputs), 0);
    for (bool more = true; more;) {
        std::vector<std::string> texts;
        int sum = 0;
        for (const int d : digits) {
            texts.push_back(terms[d]);
            sum += d;
        }
        const int span = inputs * (n - 1) + 1;
        texts.push_back(kConsequents[sum * static_cast<int>(kConsequents.size()) / span]);
        builder.rule(texts);
        more = false;
        for (int k = inputs - 1; k >= 0 && !more; --k) {
            more = ++digits[k] < n;
            if (!more) digits[k] = 0;
        }
    }
    return builder.load();
}

std::unique_ptr<CRuleBase> EqualRules(int count) {
    RuleBaseTextBuilder builder;
    builder.input({"x"}).input({"w"}).output({"y"});
    for (int r = 0; r < count; ++r) builder.rule({"sm", "ve bi", "bi"});
    return builder.load();
}

// Arg: 0 for 7 terms over 4 inputs, 1 for 5 terms over 5 inputs.
void BM_AnalysisDisplay(benchmark::State& state) {
    const auto unit = state.range(0) == 0 ? AllCombinations(4, kSevenTerms) : AllCombinations(5, kFiveTerms);
    for (auto _ : state) {
        const std::vector<zorv::RuleInfo> rows = zorv::RulesInfo::compute(*unit);
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetLabel(std::to_string(unit->RuleCount()) + " rules");
}
BENCHMARK(BM_AnalysisDisplay)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Arg: 0 Delete Duplicit, 1 Delete Redundant, 2 Merge Inconsistent.
void BM_CleanEqualRules(benchmark::State& state) {
    const auto unit = EqualRules(20'000);
    const std::vector<zorv::RuleRow> rows = unit->Rules();
    for (auto _ : state) {
        std::size_t kept = 0;
        if (state.range(0) == 0) {
            kept = zorv::deleteDuplicit(rows).size();
        } else if (state.range(0) == 1) {
            kept = zorv::deleteRedundant(zorv::RuleAnalysis::of(*unit), rows).size();
        } else {
            const zorv::RuleAnalysis analysis = zorv::RuleAnalysis::of(*unit);
            kept = zorv::InconsistencyMerger(*unit, analysis, rows).merge().value_or(rows).size();
        }
        benchmark::DoNotOptimize(kept);
    }
    const char* names[] = {"delete duplicit", "delete redundant", "merge inconsistent"};
    state.SetLabel(names[state.range(0)]);
}
BENCHMARK(BM_CleanEqualRules)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
