#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fuzzy/expression/ESyntax.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "rulebase/analysis/ConsequentValue.h"
#include "rulebase/analysis/DeleteDuplicit.h"
#include "rulebase/analysis/DeleteRedundant.h"
#include "rulebase/analysis/MergeInconsistent.h"
#include "rulebase/analysis/RuleAnalysis.h"
#include "rulebase/analysis/RulesInfo.h"
#include "tests/support/RuleBaseTextBuilder.h"

namespace zorv {
namespace {

using test::ruleBase;
using test::simpleRuleBase;
using test::textsOf;
using Texts = std::vector<std::vector<std::string>>;

// The typical value of a standard expression of the default vocabulary over <0, 1>.
double typical(int atom, int hedge = CLingTerm::kNoHedge) {
    CLingTerm term;
    term.atom = atom;
    term.hedge = hedge;
    return CLinguisticSettings(0.0, 1.0).typicalValue(term);
}

std::string about(double value) {
    return "about " + ConsequentValue::printWithin(value, -1e300, 1e300);
}

TEST(RuleBaseAnalysisTest, CellsAreDescribedInTheirVariablesVocabulary) {
    const auto unit = simpleRuleBase({{"small", "bi"}, {"sm", "big"}, {"very small", "bi"}, {"ze", "bi"},
                                      {"zero", "bi"}, {"sm and me", "bi"}, {"sm and me", "bi"}});
    const RuleAnalysis analysis = RuleAnalysis::of(*unit);
    EXPECT_EQ(analysis.compareCells(0, 0, 1), 0);
    EXPECT_EQ(analysis.compareCells(~0, 0, 1), 0);
    EXPECT_EQ(analysis.compareCells(0, 2, 1), 1);
    EXPECT_EQ(analysis.compareCells(0, 3, 4), 100);  // zero compares by text
    EXPECT_EQ(analysis.compareCells(0, 5, 6), 0);
    EXPECT_EQ(analysis.groupRules(RuleRelation::duplicate), (RuleGroups{{0, 1}, {5, 6}}));
    EXPECT_EQ(analysis.redundantInAntecedent(), (RuleGroups{{2, 0}})) << "rule 1 copies the group's first rule";
}

TEST(RuleBaseAnalysisTest, TextsThatDoNotParseAreDifferences) {
    const auto unit = simpleRuleBase({{"sm", "bi"}});
    try {
        unit->SetRules(Texts{{"1", "very medium", "bi"}, {"1", "very medium", "bi"}, {"1", "sm", "bi"}});
    } catch (const ESyntax&) {
        // The texts stay in the rule base; only their compilation failed.
    }
    const RuleAnalysis analysis = RuleAnalysis::of(*unit);
    ASSERT_EQ(analysis.ruleCount(), 3);
    EXPECT_EQ(analysis.compareCells(0, 0, 1), -1);
    EXPECT_TRUE(analysis.groupRules(RuleRelation::duplicate).empty());
    EXPECT_FALSE(analysis.isRedundant(0));
}

TEST(RuleBaseAnalysisTest, UserTermsCompareByText) {
    const std::string terms =
        " UserTerm\n  name=low, lo\n  type=triang\n  parameters= 0 0 0.5\n End_UserTerm\n";
    const auto unit = ruleBase({{"x", 0, 1, terms}}, {{"y"}}, {{"low", "bi"}, {"low", "sm"}, {"lo", "me"}});
    const RuleAnalysis analysis = RuleAnalysis::of(*unit);
    EXPECT_EQ(analysis.groupRules(RuleRelation::inconsistent), (RuleGroups{{0, 1}}));
}

TEST(RuleBaseAnalysisTest, LinearConsequentsCompareByText) {
    const auto unit = CRuleBase::Create(DescriptionType::takagi_sugeno);
    unit->SetRules(Texts{{"1", "sm", "x1 + 0.5"}, {"1", "sm", "x1 + 0.5"}, {"1", "bi", "2 x1"}, {"1", "bi", "0.5"}});
    const RuleAnalysis analysis = RuleAnalysis::of(*unit);
    EXPECT_EQ(analysis.groupRules(RuleRelation::duplicate), (RuleGroups{{0, 1}}));
    EXPECT_EQ(analysis.groupRules(RuleRelation::inconsistent), (RuleGroups{{2, 3}}));
}

TEST(RuleBaseAnalysisTest, RulesInfoOfARuleBase) {
    const auto unit = simpleRuleBase({{"ve sm", "bi"}, {"sm", "bi"}, {"sm", "bi"}, {"bi", "sm"}, {"bi", "ve sm"}});
    const std::vector<RuleInfo> rows = RulesInfo::compute(*unit);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1].text(RulesInfoColumn::group), "same as 3.");
    EXPECT_EQ(rows[0].text(RulesInfoColumn::redundantAnt), "wrt 2, 3");
    EXPECT_EQ(rows[3].text(RulesInfoColumn::inconsistency), "with 5.");
    EXPECT_EQ(rows[3].text(RulesInfoColumn::redundantSuc), "with 5");
}

TEST(DeleteDuplicitTest, KeepsTheFirstOfEqualRules) {
    const auto unit = simpleRuleBase({{"sm", "bi"}, {"me", "sm"}, {"sm", "bi"}});
    EXPECT_TRUE(deleteDuplicit(*unit));
    EXPECT_EQ(textsOf(*unit), (Texts{{"sm", "bi"}, {"me", "sm"}}));
    EXPECT_FALSE(deleteDuplicit(*unit));
}

TEST(DeleteDuplicitTest, EnabledCopyKeepsTheRuleInInference) {
    const auto unit = simpleRuleBase({{"sm", "bi"}, {"sm", "bi"}}, {true, false});
    EXPECT_TRUE(deleteDuplicit(*unit));
    ASSERT_EQ(unit->RuleCount(), 1);
    EXPECT_TRUE(unit->Enabled(0));
}

TEST(DeleteRedundantTest, RemovesTheCoveredRuleAndReportsProgress) {
    const auto unit = simpleRuleBase({{"ve sm", "bi"}, {"sm", "bi"}, {"me", "me"}});
    int lastDone = 0;
    int lastTotal = 0;
    EXPECT_TRUE(deleteRedundant(*unit, [&](int done, int total) {
        lastDone = done;
        lastTotal = total;
    }));
    EXPECT_EQ(textsOf(*unit), (Texts{{"sm", "bi"}, {"me", "me"}}));
    EXPECT_EQ(lastDone, 3);
    EXPECT_EQ(lastTotal, 3);
    EXPECT_FALSE(deleteRedundant(*unit));
}

TEST(DeleteRedundantTest, FinishesOnTheLargeGridRuleBase) {
    const std::string path = std::string(ZORV_SOURCE_DIR) + "/../shared/bench/grid343.rb";
    if (!std::filesystem::exists(path)) {
        GTEST_SKIP() << "benchmark rule base not found: " << path;
    }
    const auto unit = CRuleBase::Load(path);
    ASSERT_EQ(unit->RuleCount(), 343);
    int calls = 0;
    EXPECT_FALSE(deleteRedundant(*unit, [&calls](int, int total) {
        ++calls;
        EXPECT_EQ(total, 343);
    }));
    const auto rows = RulesInfo::compute(*unit);
    EXPECT_EQ(calls, 343);
    EXPECT_EQ(rows.size(), 343u);
}

TEST(DeleteRedundantTest, NestedGridKeepsOnlyTheWidestRule) {
    // 7 nested hedges of small on each of three inputs, every rule concluding big: all 343 rules are
    // comparable, and only the one with the widest hedge everywhere is not covered.
    const std::vector<std::string> hedges{"ex sm", "si sm", "ve sm", "sm", "ra sm", "ml sm", "ro sm"};
    Texts rules;
    for (const std::string& a : hedges) {
        for (const std::string& b : hedges) {
            for (const std::string& c : hedges) {
                rules.push_back({a, b, c, "bi"});
            }
        }
    }
    const auto unit = ruleBase({{"x"}, {"y"}, {"w"}}, {{"z"}}, rules);
    EXPECT_TRUE(deleteRedundant(*unit));
    EXPECT_EQ(textsOf(*unit), (Texts{{"ro sm", "ro sm", "ro sm", "bi"}}));
}

TEST(MergeInconsistentTest, AveragesTheTypicalValues) {
    const auto unit = simpleRuleBase({{"sm", "sm"}, {"sm", "bi"}});
    EXPECT_TRUE(mergeInconsistent(*unit));
    EXPECT_EQ(textsOf(*unit), (Texts{{"sm", about((typical(0) + typical(2)) / 2)}}));
}

TEST(MergeInconsistentTest, MapsToTheOutputContextAndKeepsTheOtherRules) {
    const auto unit = ruleBase({{"x"}}, {{"y", 10, 30}}, {{"me", "ze"}, {"sm", "ve bi"}, {"bi", "me"}, {"sm", "ml me"}});
    EXPECT_TRUE(mergeInconsistent(*unit));
    const double u = (typical(2, CLingTerm::kVery) + typical(1, CLingTerm::kMoreOrLess)) / 2;
    EXPECT_EQ(textsOf(*unit), (Texts{{"sm", about(10 + 20 * u)}, {"me", "ze"}, {"bi", "me"}}));
}

TEST(MergeInconsistentTest, NegativeTermsOnASymmetricContext) {
    const auto unit = ruleBase({{"x"}}, {{"y", -2, 2}}, {{"sm", "-bi"}, {"sm", "bi"}, {"sm", "-ex sm"}});
    EXPECT_TRUE(mergeInconsistent(*unit));
    const CLinguisticSettings output(-2, 2);
    CLingTerm big;
    big.atom = CLingTerm::kBig;
    CLingTerm exSmall;
    exSmall.atom = CLingTerm::kSmall;
    exSmall.hedge = CLingTerm::kExtremely;
    const double u = (-output.typicalValue(big) + output.typicalValue(big) - output.typicalValue(exSmall)) / 3;
    EXPECT_EQ(textsOf(*unit), (Texts{{"sm", about(2 * u)}}));
}

TEST(MergeInconsistentTest, NumbersUserTermsAndCopiesOfTheFirstMember) {
    const std::string terms = " UserTerm\n  name=mid\n  type=triang\n  parameters= 0.225 0.4 0.575\n End_UserTerm\n";
    const auto unit = ruleBase({{"x"}}, {{"y", 0, 1, terms}},
                               {{"sm", "mid"}, {"sm", "about 0.6"}, {"bi", "sm"}, {"sm", "mid"}});
    EXPECT_TRUE(mergeInconsistent(*unit));
    // Rule 3 repeats rule 0; it is absorbed rather than left to contradict the merged rule.
    EXPECT_EQ(textsOf(*unit), (Texts{{"sm", "about 0.500000"}, {"bi", "sm"}}));
}

TEST(MergeInconsistentTest, AnEnabledCopyOfTheFirstMemberKeepsTheMergedRuleEnabled) {
    // The group (0, 1) is disabled; rule 2, the enabled copy of rule 0, is absorbed and must not take the
    // only enabled word on small out of inference.
    const auto unit = simpleRuleBase({{"sm", "bi"}, {"sm", "sm"}, {"sm", "bi"}, {"me", "sm"}}, {true, true});
    EXPECT_TRUE(mergeInconsistent(*unit));
    EXPECT_EQ(textsOf(*unit), (Texts{{"sm", "about 0.463296"}, {"me", "sm"}}));
    EXPECT_TRUE(unit->Enabled(0));
    EXPECT_TRUE(unit->Enabled(1));
}

TEST(MergeInconsistentTest, TheMergedRuleKeepsTheCommentsOfTheRulesItReplaces) {
    const auto unit = simpleRuleBase({{"sm", "bi"}});
    const std::vector<RuleRow> rows{{true, {"sm", "bi"}, "; hot"}, {true, {"sm", "sm"}},
                                    {true, {"me", "sm"}, "; other"}, {true, {"sm", "bi"}, "; copy"}};
    unit->SetRules(rows);
    EXPECT_TRUE(mergeInconsistent(*unit));
    ASSERT_EQ(unit->RuleCount(), 2);
    EXPECT_EQ(unit->Comment(0), "; hot\n; copy");
    EXPECT_EQ(unit->Comment(1), "; other");
}

TEST(MergeInconsistentTest, FurtherOutputsKeepAgreeingTexts) {
    const auto unit = ruleBase({{"x"}}, {{"y"}, {"z"}}, {{"sm", "sm", "me"}, {"sm", "bi", "me"}, {"bi", "bi", "sm"},
                                                         {"bi", "bi", "bi"}});
    EXPECT_TRUE(mergeInconsistent(*unit));
    EXPECT_EQ(textsOf(*unit), (Texts{{"sm", about((typical(0) + typical(2)) / 2), "me"},
                                     {"bi", about(typical(2)), about((typical(0) + typical(2)) / 2)}}));
}

TEST(MergeInconsistentTest, NothingToMerge) {
    const auto consistent = simpleRuleBase({{"sm", "bi"}, {"bi", "sm"}, {"sm", "bi"}});
    EXPECT_FALSE(mergeInconsistent(*consistent));
    EXPECT_EQ(textsOf(*consistent), (Texts{{"sm", "bi"}, {"bi", "sm"}, {"sm", "bi"}}));
    const auto valueless = simpleRuleBase({{"sm", "undef"}, {"sm", "ignor"}});
    EXPECT_FALSE(mergeInconsistent(*valueless));
    EXPECT_EQ(textsOf(*valueless), (Texts{{"sm", "undef"}, {"sm", "ignor"}}));
}

TEST(MergeInconsistentTest, SingletonConsequentsAverageToANumber) {
    const auto unit = CRuleBase::Create(DescriptionType::singleton);
    unit->SetRules(Texts{{"1", "ze", "0.2"}, {"0", "ze", "0.4"}, {"1", "bi", "1"}});
    EXPECT_TRUE(mergeInconsistent(*unit));
    EXPECT_EQ(textsOf(*unit), (Texts{{"ze", "0.300000"}, {"bi", "1"}}));
    EXPECT_TRUE(unit->Enabled(0));
}

TEST(ConsequentValueTest, PrintedValueStaysInsideTheContext) {
    EXPECT_EQ(ConsequentValue::printWithin(0.5, 0, 1), "0.500000");
    EXPECT_EQ(ConsequentValue::printWithin(0.1234567, 0, 0.1234567), "0.123456");
    EXPECT_EQ(ConsequentValue::printWithin(-0.1234567, -0.1234567, 0), "-0.123456");
    EXPECT_EQ(ConsequentValue::printWithin(2.0 / 3, 0, 1), "0.666667");
}

}  // namespace
}  // namespace zorv
