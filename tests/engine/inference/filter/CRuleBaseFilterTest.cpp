#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "inference/ERefused.h"
#include "inference/filter/FTInferenceFilter.h"
#include "tests/support/RuleBaseTextBuilder.h"

namespace zorv {
namespace {

using test::RuleBaseTextBuilder;

RuleBaseTextBuilder oneInput() {
    RuleBaseTextBuilder builder;
    builder.input({"x"}).output({"y", 0.0, 10.0}).rule({"sm", "bi"}).rule({"me", "sm"}).rule({"bi", "me"});
    return builder;
}

// Counts the rebuilds of a unit's filter through the progress reports each rebuild starts with.
struct RebuildCounter {
    int rebuilds = 0;
    CRuleBase::FilterProgress progress() {
        return [this](int done, int) { rebuilds += done == 0 ? 1 : 0; };
    }
};

TEST(CRuleBaseFilter, SwitchingOnRebuildsOnceAndSwitchingOffKeepsTheFilter) {
    auto unit = oneInput().load();
    RebuildCounter counter;
    EXPECT_EQ(unit->Filter(), nullptr);
    EXPECT_FALSE(unit->SetUseFuzzyFilter(true, counter.progress()));
    unit->SetUseFuzzyFilter(true, counter.progress());
    EXPECT_EQ(counter.rebuilds, 1);
    const FTInferenceFilter* filter = unit->Filter();
    ASSERT_NE(filter, nullptr);

    unit->SetUseFuzzyFilter(false, counter.progress());
    EXPECT_EQ(counter.rebuilds, 1);
    EXPECT_EQ(unit->Filter(), filter);

    unit->SetUseFuzzyFilter(true, counter.progress());
    EXPECT_EQ(counter.rebuilds, 2);
    EXPECT_EQ(unit->Filter(), filter) << "the filter is rebuilt in place";
}

TEST(CRuleBaseFilter, EvaluateFilteredBuildsTheFilterOnFirstUse) {
    auto unit = oneInput().load();
    const double x = 0.3;
    const double filtered = unit->EvaluateFiltered(&x);
    ASSERT_NE(unit->Filter(), nullptr);
    EXPECT_FALSE(unit->UseFuzzyFilter()) << "using the filter does not switch it on";
    EXPECT_EQ(filtered, unit->Filter()->Evaluate(&x));
}

TEST(CRuleBaseFilter, TheFitReflectsTheRuleBaseAtTheLastRebuild) {
    auto unit = oneInput().load();
    const double x = 0.5;
    const double before = unit->EvaluateFiltered(&x);
    unit->SetRules(std::vector<RuleRow>{{true, {"sm", "sm"}}, {true, {"me", "bi"}}, {true, {"bi", "sm"}}});
    EXPECT_EQ(unit->EvaluateFiltered(&x), before);
    unit->RebuildFilter();
    EXPECT_NE(unit->EvaluateFiltered(&x), before);
}

TEST(CRuleBaseFilter, AFilterForFewerInputsIsRebuiltBeforeUse) {
    auto unit = oneInput().load();
    const double x = 0.5;
    unit->EvaluateFiltered(&x);
    unit->AddAntecedent(CFuzzyVariable("z", std::make_shared<CLinguisticSettings>(0.0, 1.0), 51), 0);
    const double xz[] = {0.5, 0.5};
    unit->EvaluateFiltered(xz);
    EXPECT_EQ(unit->Filter()->dimensions(), 2u);
}

TEST(CRuleBaseFilter, LoadingAFileWithTheSwitchOnBuildsTheFilter) {
    auto unit = oneInput().filter(true).load();
    EXPECT_TRUE(unit->UseFuzzyFilter());
    ASSERT_NE(unit->Filter(), nullptr);
    EXPECT_GE(unit->FiredCount(), 0) << "the samples ran the inference";
    std::ostringstream saved;
    unit->Save(saved);
    EXPECT_NE(saved.str().find("UseFuzzyFilter=true"), std::string::npos);
}

TEST(CRuleBaseFilter, AFileWhoseFilterIsRefusedStillLoads) {
    std::ostringstream diagnostics;
    std::unique_ptr<CRuleBase> unit;
    // Two inputs with the smooth defuzzification: 201^2 x 81^2 inferences.
    const std::string text = RuleBaseTextBuilder()
                                 .input({"x"})
                                 .input({"z"})
                                 .output({"y"})
                                 .rule({"sm", "sm", "bi"})
                                 .filter(true)
                                 .defuzz("Smooth Deffuz Ling Expr")
                                 .text();
    ASSERT_NO_THROW(unit = CRuleBase::LoadFromText(text, "smooth.rb", diagnostics));
    EXPECT_TRUE(unit->UseFuzzyFilter()) << "the stored switch is kept";
    EXPECT_EQ(unit->Filter(), nullptr);
    EXPECT_NE(diagnostics.str().find("filter was not built"), std::string::npos) << diagnostics.str();
    const double xz[] = {0.5, 0.5};
    EXPECT_THROW(unit->EvaluateFiltered(xz), ERefused);
}

TEST(CRuleBaseFilter, SwitchingOnAnEmptyUnitIsRefusedQuietly) {
    CRuleBase unit(DescriptionType::linguistic);
    EXPECT_EQ(unit.SetUseFuzzyFilter(true), "The F-transform filter needs at least one input variable.");
    EXPECT_TRUE(unit.UseFuzzyFilter());
}

TEST(CRuleBaseFilter, SettingTheSwitchNeverFailsAndKeepsItAsSet) {
    auto unit = RuleBaseTextBuilder()
                    .input({"x"})
                    .input({"z"})
                    .output({"y"})
                    .rule({"sm", "sm", "bi"})
                    .defuzz("Smooth Deffuz Ling Expr")
                    .load();
    const auto refusal = unit->SetUseFuzzyFilter(true);
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->find("inferences"), std::string::npos) << *refusal;
    EXPECT_TRUE(unit->UseFuzzyFilter());
    EXPECT_EQ(unit->Filter(), nullptr);
    const double xz[] = {0.5, 0.5};
    EXPECT_THROW(unit->EvaluateFiltered(xz), ERefused);
    EXPECT_FALSE(unit->SetUseFuzzyFilter(false));
}

}  // namespace
}  // namespace zorv
