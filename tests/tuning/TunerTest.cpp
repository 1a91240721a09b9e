// Fitting a rule base to rows it made itself, from contexts moved away from the true ones.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "rulebase/CRuleBase.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TuningData.h"
#include "tuning/ETuningRefused.h"
#include "tuning/Tuner.h"

namespace zorv {
namespace {

std::string HeaterText() { return test::fileText(std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb"); }

// The best objective that `budget` points drawn uniformly from the tuner's box reach.
double RandomSearch(const Tuner& tuner, int budget, std::uint64_t seed) {
    const ParameterSpace& space = tuner.Space();
    std::mt19937_64 random(seed);
    double best = *tuner.Objective(space.Initial());
    std::vector<double> x(static_cast<std::size_t>(space.Size()));
    for (int i = 1; i < budget; ++i) {
        for (std::size_t k = 0; k < x.size(); ++k) {
            const TuningParameter& p = space.Parameters()[k];
            x[k] = p.lower + static_cast<double>(random() >> 11) * 0x1.0p-53 * (p.upper - p.lower);
        }
        if (const auto value = tuner.Objective(x)) best = std::min(best, *value);
    }
    return best;
}

class TunerFit : public ::testing::TestWithParam<bool> {};

TEST_P(TunerFit, FindsTheContextsBackWithinTheDefaultBudgetAndBeatsRandomSearch) {
    const std::string text = GetParam() ? test::WithDnfAndCog(HeaterText()) : HeaterText();
    const TuningRows rows = test::RowsFrom(*CRuleBase::LoadFromText(text, "truth"), 2000, 11);
    const auto disturbed = CRuleBase::LoadFromText(test::DisturbedHeater(text), "disturbed");
    const TuningOptions options;
    const Tuner tuner(*disturbed, rows, options);
    const TuningResult result = tuner.Run();

    const double random = RandomSearch(tuner, options.limits.evaluations, 5);
    EXPECT_LE(result.trainingAfter, 0.1 * result.trainingBefore) << result.trainingBefore;
    EXPECT_LT(result.trainingAfter, random);
    EXPECT_LE(result.search.evaluations, options.limits.evaluations);
    EXPECT_EQ(result.tuned->Rules(), disturbed->Rules());
    std::ostringstream saved;
    result.tuned->Save(saved);
    EXPECT_NO_THROW(CRuleBase::LoadFromText(saved.str(), "tuned"));
    RecordProperty("rmse", std::to_string(result.trainingBefore) + " -> " + std::to_string(result.trainingAfter) +
                               ", random search " + std::to_string(random));
}

INSTANTIATE_TEST_SUITE_P(HeaterAndDnfCog, TunerFit, ::testing::Values(false, true));

TEST(Tuner, GivesTheSameResultForTheSameSeedOnAnyNumberOfThreads) {
    const std::string text = HeaterText();
    const TuningRows rows = test::RowsFrom(*CRuleBase::LoadFromText(text, "truth"), 1500, 3);
    const auto disturbed = CRuleBase::LoadFromText(test::DisturbedHeater(text), "disturbed");
    TuningOptions options;
    options.scope = {true, true, false};
    options.limits.evaluations = 200;
    options.holdOut = 0.25;
    const auto run = [&](int jobs, std::uint64_t seed) {
        options.jobs = jobs;
        options.limits.seed = seed;
        return Tuner(*disturbed, rows, options).Run();
    };
    const TuningResult first = run(1, 7);
    const TuningResult again = run(3, 7);
    ASSERT_EQ(first.changes.size(), again.changes.size());
    for (std::size_t i = 0; i < first.changes.size(); ++i) EXPECT_EQ(first.changes[i].after, again.changes[i].after);
    EXPECT_EQ(first.trainingAfter, again.trainingAfter);
    EXPECT_EQ(first.holdOutAfter, again.holdOutAfter);
    EXPECT_EQ(first.holdOutRows, 375);

    const TuningResult other = run(1, 8);
    bool differs = false;
    for (std::size_t i = 0; i < first.changes.size(); ++i) differs |= first.changes[i].after != other.changes[i].after;
    EXPECT_TRUE(differs);
}

TEST(Tuner, AStopKeepsTheBestRuleBaseSoFar) {
    const std::string text = HeaterText();
    const TuningRows rows = test::RowsFrom(*CRuleBase::LoadFromText(text, "truth"), 500, 3);
    const auto disturbed = CRuleBase::LoadFromText(test::DisturbedHeater(text), "disturbed");
    const Tuner tuner(*disturbed, rows, TuningOptions{});
    int calls = 0;
    const TuningResult result = tuner.Run({}, [&calls] { return ++calls > 40; });
    EXPECT_EQ(result.search.end, SearchOutcome::End::stopped);
    EXPECT_EQ(result.search.evaluations, 40);
    EXPECT_LE(result.trainingAfter, result.trainingBefore);
    EXPECT_EQ(result.tuned->Rules(), disturbed->Rules());
}

TEST(Tuner, RefusesWhatItCannotTune) {
    const auto unit = CRuleBase::LoadFromText(HeaterText(), "heater");
    const TuningRows rows = test::RowsFrom(*unit, 20, 1);
    const auto refuses = [&](const TuningOptions& options, const TuningRows& data) {
        EXPECT_THROW(Tuner(*unit, data, options), ETuningRefused);
    };
    TuningOptions options;
    options.fixed = {"indoor", "outdoor", "power"};
    refuses(options, rows);  // nothing left to move
    options.fixed = {"nobody"};
    refuses(options, rows);
    options = {};
    options.bounds = {{"indoor.middle", 0, 1}};
    refuses(options, rows);
    options.bounds = {{"indoor.low", 12, 11}};
    refuses(options, rows);
    options = {};
    options.holdOut = 1.0;
    refuses(options, rows);
    options = {};
    options.share = 0.5;
    refuses(options, rows);
    refuses(TuningOptions{}, TuningRows(2));  // no rows
    TuningRows wide(3);
    wide.Add(std::vector<double>{1, 2, 3}, 4);
    refuses(TuningOptions{}, wide);
}

}  // namespace
}  // namespace zorv
