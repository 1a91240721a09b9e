// The rows a tuning fits, the hold-out and the error measures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "rulebase/CRuleBase.h"
#include "tuning/ErrorMeasure.h"
#include "tuning/RowObjective.h"
#include "tuning/TuningRows.h"

namespace zorv {
namespace {

TuningRows Numbered(int count) {
    TuningRows rows(1);
    for (int i = 0; i < count; ++i) rows.Add(std::vector<double>{static_cast<double>(i)}, i);
    return rows;
}

TEST(TuningRows, TheHoldOutTakesItsShareOnceAndDependsOnTheSeedAlone) {
    const TuningRows rows = Numbered(101);
    const auto [training, holdOut] = rows.Split(0.2, 9);
    EXPECT_EQ(holdOut.Count(), 20);
    EXPECT_EQ(training.Count(), 81);
    std::vector<double> seen;
    for (const TuningRows* part : {&training, &holdOut}) {
        for (int r = 0; r < part->Count(); ++r) seen.push_back(part->Expected(r));
        EXPECT_TRUE(std::is_sorted(part->AllInputs().begin(), part->AllInputs().end()));  // in the rows' order
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, Numbered(101).AllInputs());
    EXPECT_EQ(rows.Split(0.2, 9).second.AllInputs(), holdOut.AllInputs());
    EXPECT_NE(rows.Split(0.2, 10).second.AllInputs(), holdOut.AllInputs());
    EXPECT_EQ(rows.Split(0.0, 9).first.Count(), 101);
}

TEST(ErrorMeasure, MeasuresTheDifferences) {
    const std::vector<double> d = {3, -4, 0, 1};
    EXPECT_DOUBLE_EQ(ErrorMeasure(ErrorMeasure::Kind::rmse).Of(d), std::sqrt(26.0 / 4));
    EXPECT_DOUBLE_EQ(ErrorMeasure(ErrorMeasure::Kind::mae).Of(d), 2.0);
    EXPECT_DOUBLE_EQ(ErrorMeasure(ErrorMeasure::Kind::max).Of(d), 4.0);
    EXPECT_EQ(ErrorMeasure::Named("mae")->kind(), ErrorMeasure::Kind::mae);
    EXPECT_FALSE(ErrorMeasure::Named("RMSE"));
}

TEST(RowObjective, ClampsEveryInputToTheContextAsComputeDoes) {
    auto unit = CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb");
    TuningRows outside(2);
    TuningRows inside(2);
    outside.Add(std::vector<double>{45, -70}, 50);
    inside.Add(std::vector<double>{30, -25}, 50);
    const RowObjective objective(ErrorMeasure(ErrorMeasure::Kind::max), 1);
    const double atBounds[] = {30, -25};
    EXPECT_EQ(objective.Of(unit->Compiled(), outside), std::fabs(unit->Evaluate(atBounds) - 50));
    EXPECT_EQ(objective.Of(unit->Compiled(), outside), objective.Of(unit->Compiled(), inside));
}

}  // namespace
}  // namespace zorv
