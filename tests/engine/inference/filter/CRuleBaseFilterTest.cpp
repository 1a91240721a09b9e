#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <stop_token>

#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/ERefused.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "inference/filter/FTInferenceFilter.h"
#include "inference/filter/FilterSampleGrid.h"
#include "tests/support/RuleBaseTextBuilder.h"

namespace zorv {
namespace {

using test::RuleBaseTextBuilder;

RuleBaseTextBuilder oneInput() {
    RuleBaseTextBuilder builder;
    builder.input({"x"}).output({"y", 0.0, 10.0}).rule({"sm", "bi"}).rule({"me", "sm"}).rule({"bi", "me"});
    return builder;
}

// Nine rules over two inputs.
RuleBaseTextBuilder twoInputs() {
    RuleBaseTextBuilder builder;
    builder.input({"x"}).input({"z", 10.0, 20.0}).output({"y", 0.0, 100.0});
    const char* words[] = {"sm", "me", "bi"};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) builder.rule({words[i], words[j], words[(i + j) / 2]});
    return builder;
}

TEST(CRuleBaseFilter, TheSwitchBuildsNothingAndAFilteredEvaluationBuildsOnce) {
    auto unit = oneInput().load();
    EXPECT_FALSE(unit->SetUseFuzzyFilter(true));
    EXPECT_EQ(unit->Filter(), nullptr);
    const double x = 0.3;
    unit->EvaluateFiltered(&x);
    const auto filter = unit->Filter();
    ASSERT_NE(filter, nullptr);
    unit->SetUseFuzzyFilter(false);
    unit->SetUseFuzzyFilter(true);
    unit->EvaluateFiltered(&x);
    EXPECT_EQ(unit->Filter(), filter) << "a current filter is not built again";
}

TEST(CRuleBaseFilter, EvaluateFilteredBuildsTheFilterOnFirstUse) {
    auto unit = oneInput().load();
    const double x = 0.3;
    const double filtered = unit->EvaluateFiltered(&x);
    ASSERT_NE(unit->Filter(), nullptr);
    EXPECT_FALSE(unit->UseFuzzyFilter()) << "using the filter does not switch it on";
    EXPECT_EQ(filtered, unit->Filter()->Evaluate(&x));
}

TEST(CRuleBaseFilter, AChangeMakesTheNextFilteredEvaluationRebuild) {
    auto unit = oneInput().load();
    const double x = 0.5;
    const double before = unit->EvaluateFiltered(&x);
    unit->SetRules(std::vector<RuleRow>{{true, {"sm", "sm"}}, {true, {"me", "bi"}}, {true, {"bi", "sm"}}});
    EXPECT_FALSE(unit->FilterIsCurrent());
    EXPECT_NE(unit->EvaluateFiltered(&x), before);
    EXPECT_TRUE(unit->FilterIsCurrent());
    unit->SetEnabled(0, false);
    EXPECT_FALSE(unit->FilterIsCurrent());
}

TEST(CRuleBaseFilter, ARefusedOrCancelledRebuildKeepsThePreviousFilter) {
    auto unit = twoInputs().load();
    ASSERT_TRUE(unit->RebuildFilter());
    const auto built = unit->Filter();
    unit->SetDefuzzificationMethod(*FindDefuzzificationMethod("Smooth Deffuz Ling Expr"));
    EXPECT_THROW(unit->RebuildFilter(), ERefused);
    EXPECT_EQ(unit->Filter(), built);

    unit->SetDefuzzificationMethod(*FindDefuzzificationMethod("SimpleCenterOfGravity"));
    std::stop_source stop;
    int reports = 0;
    const auto cancelOnFirstReport = [&](int, int) {
        if (++reports == 2) stop.request_stop();
    };
    EXPECT_FALSE(unit->RebuildFilter(cancelOnFirstReport, stop.get_token()));
    EXPECT_EQ(unit->Filter(), built);
    EXPECT_FALSE(unit->FilterIsCurrent());
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

TEST(CRuleBaseFilter, LoadingAFileWithTheSwitchOnBuildsNoFilterUntilAFilteredEvaluation) {
    auto unit = oneInput().filter(true).load();
    EXPECT_TRUE(unit->UseFuzzyFilter());
    EXPECT_EQ(unit->Filter(), nullptr);
    std::ostringstream saved;
    unit->Save(saved);
    EXPECT_NE(saved.str().find("UseFuzzyFilter=true"), std::string::npos);
    const double x = 0.4;
    unit->EvaluateFiltered(&x);
    EXPECT_NE(unit->Filter(), nullptr);
}

// A description may say anything; only the header key sets the switch, and nothing is built to load.
TEST(CRuleBaseFilter, ADescriptionFullOfTheSwitchCostsNothing) {
    std::string description;
    for (int i = 0; i < 200; ++i) description += "UseFuzzyFilter=true\n";
    auto unit = CRuleBase::LoadFromText("!COMMENT!\n" + description + "!END_COMMENT!\n\n" + oneInput().text(), "d.rb");
    EXPECT_FALSE(unit->UseFuzzyFilter());
    EXPECT_EQ(unit->Filter(), nullptr);
    std::ostringstream saved;
    unit->Save(saved);
    auto again = CRuleBase::LoadFromText(saved.str(), "again.rb");
    EXPECT_EQ(again->Description(), unit->Description());
    EXPECT_EQ(again->Filter(), nullptr);
}

// 900 rules over three inputs and an output sampled at 100,000 points: a filter would cost 201^3 evaluations of
// about 10^5 sample steps each. Loading and saving build nothing; a filtered evaluation is refused up front.
TEST(CRuleBaseFilter, AFilterThatWouldTakeHoursIsRefusedAndLoadingDoesNotTry) {
    RuleBaseTextBuilder builder;
    builder.input({"a"}).input({"b"}).input({"c"}).output({"y", 0.0, 1.0, "", "linguistic", 100000}).filter(true);
    const char* words[] = {"ex sm", "si sm", "ve sm", "sm", "ra sm", "ml me", "me", "ml bi", "bi", "ve bi"};
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 10; ++j)
            for (int k = 0; k < 9; ++k) builder.rule({words[i], words[j], words[k], words[(i + j + k) / 3]});
    std::ostringstream diagnostics;
    auto unit = CRuleBase::LoadFromText(builder.text(), "hours.rb", diagnostics);
    EXPECT_EQ(unit->Filter(), nullptr);
    EXPECT_NE(diagnostics.str().find("too long"), std::string::npos) << diagnostics.str();
    const double x[] = {0.5, 0.5, 0.5};
    EXPECT_THROW(unit->EvaluateFiltered(x), ERefused);
    EXPECT_EQ(unit->Filter(), nullptr);
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
    EXPECT_NE(diagnostics.str().find("filter cannot be built"), std::string::npos) << diagnostics.str();
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
