#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/ERefused.h"
#include "inference/InferenceMethodTable.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "inference/filter/FTInferenceFilter.h"
#include "inference/filter/FilterRebuildCheck.h"
#include "inference/filter/FilterSampleGrid.h"
#include "tests/support/RuleBaseTextBuilder.h"

namespace zorv {
namespace {

using test::RuleBaseTextBuilder;
using test::VariableText;

std::unique_ptr<CRuleBase> oneInputUnit() {
    return RuleBaseTextBuilder()
        .input({"x"})
        .output({"y"})
        .rule({"sm", "bi"})
        .rule({"me", "sm"})
        .rule({"bi", "me"})
        .load();
}

// Nine rules over two inputs on different contexts.
RuleBaseTextBuilder twoInputBuilder() {
    RuleBaseTextBuilder builder;
    builder.input({"x", -1.0, 3.0}).input({"z", 10.0, 20.0}).output({"y", 0.0, 100.0});
    const char* words[] = {"sm", "me", "bi"};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) builder.rule({words[i], words[j], words[(i + j) / 2]});
    return builder;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// ---------------------------------------------------------------------------------------------------------

struct GridCase {
    double low;
    double high;
    std::size_t coordinates;
};

class FilterSampleGridAxis : public ::testing::TestWithParam<GridCase> {};

TEST_P(FilterSampleGridAxis, AccumulatesTheStepWhileItStaysWithinTheContext) {
    const GridCase c = GetParam();
    const double pair[] = {c.low, c.high};
    const FilterSampleGrid grid(pair);
    const std::vector<double>& axis = grid.coordinates(0);
    ASSERT_EQ(axis.size(), c.coordinates);
    EXPECT_EQ(axis.front(), c.low);
    for (std::size_t i = 1; i < axis.size(); ++i) {
        EXPECT_GT(axis[i], axis[i - 1]);
        EXPECT_LE(axis[i], c.high);
    }
}

INSTANTIATE_TEST_SUITE_P(Contexts, FilterSampleGridAxis,
                         ::testing::Values(GridCase{0.0, 1.0, 201}, GridCase{-5.0, 5.0, 201},
                                           GridCase{10.0, 20.0, 201}, GridCase{-1e6, 1e6, 201},
                                           // degenerate contexts end with one coordinate instead of looping
                                           GridCase{1.0, 1.0, 1}, GridCase{2.0, 1.0, 1},
                                           GridCase{0.0, std::numeric_limits<double>::quiet_NaN(), 1},
                                           GridCase{1e17, 1e17 + 16.0, 1}));

TEST(FilterSampleGrid, UnitIntervalSamplesStopJustBelowTheUpperBound) {
    const double pair[] = {0.0, 1.0};
    const FilterSampleGrid grid(pair);
    const std::vector<double>& axis = grid.coordinates(0);
    EXPECT_DOUBLE_EQ(axis[1], 0.004995);
    EXPECT_NEAR(axis.back(), 0.999, 1e-12);
}

TEST(FilterSampleGrid, PointsRunFirstAxisFastest) {
    const double pairs[] = {0.0, 1.0, 10.0, 20.0};
    const FilterSampleGrid grid(pairs);
    EXPECT_EQ(grid.pointCount(), 201.0 * 201.0);
    std::vector<double> p(2);
    grid.point(1, p);
    EXPECT_EQ(p[0], grid.coordinates(0)[1]);
    EXPECT_EQ(p[1], 10.0);
    grid.point(201 * 3 + 7, p);
    EXPECT_EQ(p[0], grid.coordinates(0)[7]);
    EXPECT_EQ(p[1], grid.coordinates(1)[3]);
}

// ---------------------------------------------------------------------------------------------------------

// The filtered value at node k is the mean of the unit's responses at the samples, weighted by the
// triangle of node k; computed here without the transform.
TEST(FTInferenceFilter, ValueAtANodeIsTheWeightedMeanOfTheSamplesAroundIt) {
    auto unit = oneInputUnit();
    const auto filter = FTInferenceFilter::Build(unit->Compiled());
    const double pair[] = {0.0, 1.0};
    const FilterSampleGrid grid(pair);
    const std::vector<double>& samples = grid.coordinates(0);
    const double h = 1.0 / (FTInferenceFilter::kNodes - 1);
    int smoothed = 0;
    for (const int k : {0, 1, 7, 10, 18, 19}) {
        const double node = k * h;
        double weighted = 0.0;
        double weights = 0.0;
        for (double p : samples) {
            const double w = std::max(0.0, 1.0 - std::fabs(p - node) / h);
            weighted += w * unit->Evaluate(&p);
            weights += w;
        }
        EXPECT_NEAR(filter->Evaluate(&node), weighted / weights, 1e-9) << "node " << k;
        smoothed += std::fabs(filter->Evaluate(&node) - unit->Evaluate(&node)) > 1e-6 ? 1 : 0;
    }
    EXPECT_GT(smoothed, 0) << "the filter returned the raw outputs";
}

TEST(FTInferenceFilter, InputsOutsideTheContextAreClampedIntoIt) {
    auto unit = twoInputBuilder().load();
    const auto filter = FTInferenceFilter::Build(unit->Compiled());
    const double outside[] = {-7.0, 25.0};
    const double clamped[] = {-1.0, 20.0};
    EXPECT_EQ(filter->Evaluate(outside), filter->Evaluate(clamped));
    const double nan[] = {std::numeric_limits<double>::quiet_NaN(), 15.0};
    EXPECT_TRUE(std::isnan(filter->Evaluate(nan)));
}

// Every choice of the unit (thresholds, methods) travels with the compiled form to the sampling threads.
TEST(FTInferenceFilter, ResultDoesNotDependOnTheNumberOfThreads) {
    auto plain = twoInputBuilder().load();
    auto deduction = twoInputBuilder().infer("Logical_Deduction").load();
    deduction->SetPerceptionUpper(0.55);
    deduction->SetPerceptionLower(0.45);
    deduction->SetDefuzzificationMethod(*FindDefuzzificationMethod("ModifiedCenterOfGravity"));
    for (const CRuleBase* unit : {plain.get(), deduction.get()}) {
        const auto serial = FTInferenceFilter::Build(unit->Compiled(), {}, {}, 1);
        for (const int threads : {2, 3}) {
            const auto parallel = FTInferenceFilter::Build(unit->Compiled(), {}, {}, threads);
            const auto& a = serial->Transform().components();
            const auto& b = parallel->Transform().components();
            ASSERT_EQ(a.total(), b.total());
            for (std::size_t i = 0; i < a.total(); ++i) {
                ASSERT_TRUE(sameBits(a.at(i), b.at(i))) << "cell " << i << " with " << threads << " threads";
            }
        }
    }
}

TEST(FTInferenceFilter, SingletonUnitIsFilteredWithItsOwnResponse) {
    auto unit = RuleBaseTextBuilder()
                    .type("singleton")
                    .infer("Takagi-Sugeno Inference")
                    .input({"x"})
                    .output({"y", 0.0, 10.0, "", "linc"})
                    .rule({"sm", "2"})
                    .rule({"me", "2"})
                    .rule({"bi", "2"})
                    .load();
    const auto filter = FTInferenceFilter::Build(unit->Compiled());
    for (const double x : {0.0, 0.3, 0.77, 1.0}) EXPECT_NEAR(filter->Evaluate(&x), 2.0, 1e-9) << x;
}

TEST(FTInferenceFilter, ProgressRunsFromZeroToEveryPoint) {
    auto unit = twoInputBuilder().load();
    std::vector<std::pair<int, int>> reports;
    FTInferenceFilter::Build(unit->Compiled(), [&](int done, int total) { reports.emplace_back(done, total); }, {}, 2);
    ASSERT_GE(reports.size(), 2u);
    EXPECT_EQ(reports.front(), std::make_pair(0, 201 * 201));
    EXPECT_EQ(reports.back(), std::make_pair(201 * 201, 201 * 201));
    for (std::size_t i = 1; i < reports.size(); ++i) EXPECT_LE(reports[i - 1].first, reports[i].first);
}

// ---------------------------------------------------------------------------------------------------------

struct RefusalCase {
    const char* name;
    int inputs;
    const char* defuzz;
    bool refused;
};

class FilterRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(FilterRefusal, TooCostlyRebuildsAreRefusedBeforeAnyEvaluation) {
    const RefusalCase c = GetParam();
    RuleBaseTextBuilder builder;
    builder.defuzz(c.defuzz).output({"y"});
    std::vector<std::string> texts;
    for (int k = 0; k < c.inputs; ++k) {
        builder.input({"x" + std::to_string(k)});
        texts.push_back("me");
    }
    texts.push_back("me");
    builder.rule(texts);
    auto unit = builder.load();
    const CompiledRuleBase& compiled = *unit->Compiled();
    EXPECT_EQ(FilterRebuildCheck::refusal(compiled, FilterSampleGrid(compiled)).has_value(), c.refused);
    if (c.refused) {
        EXPECT_THROW(FTInferenceFilter::Build(unit->Compiled()), ERefused);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Costs, FilterRefusal,
    ::testing::Values(RefusalCase{"ThreeInputs", 3, "SimpleCenterOfGravity", false},
                      RefusalCase{"FourInputs", 4, "SimpleCenterOfGravity", true},
                      RefusalCase{"SmoothOneInput", 1, "Smooth Deffuz Ling Expr", false},
                      RefusalCase{"NoInput", 0, "SimpleCenterOfGravity", true},
                      RefusalCase{"SmoothTwoInputs", 2, "Smooth Deffuz Ling Expr", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FTInferenceFilter, RefusalNamesTheCost) {
    auto unit = twoInputBuilder().defuzz("Smooth Deffuz Ling Expr").load();
    try {
        FTInferenceFilter::Build(unit->Compiled());
        FAIL() << "a rebuild of 201^2 x 81^2 inferences must be refused";
    } catch (const ERefused& refused) {
        EXPECT_NE(std::string(refused.what()).find("265070961 inferences"), std::string::npos) << refused.what();
    }
}

}  // namespace
}  // namespace zorv
