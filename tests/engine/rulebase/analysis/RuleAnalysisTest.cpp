#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"

namespace zorv {
namespace {

using test::analysisOf;
using test::cell;

struct CellCase {
    const char* a;
    const char* b;
    int expected;
};

class CellComparison : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellComparison, FollowsInclusionForGradedAtomsAndTextOtherwise) {
    const CellCase& c = GetParam();
    EXPECT_EQ(AnalysisCell::compare(cell(c.a), cell(c.b)), c.expected) << c.a << " vs " << c.b;
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CellComparison,
    ::testing::Values(CellCase{"sm", "sm", 0}, CellCase{"ve sm", "sm", 1}, CellCase{"sm", "ve sm", 2},
                      CellCase{"ex bi", "vr bi", 1}, CellCase{"ra bi", "si bi", 2}, CellCase{"ml me", "me", 2},
                      CellCase{"sm", "bi", 100}, CellCase{"-sm", "sm", 100}, CellCase{"-ve sm", "-sm", 1},
                      CellCase{"no sm", "sm", 100}, CellCase{"no sm", "no sm", 0}, CellCase{"ze", "ze", 0},
                      CellCase{"ze", "zero", 100}, CellCase{"ro ze", "ze", 100}, CellCase{"t1", "t1", 0},
                      CellCase{"t1", "t2", 100}, CellCase{"about 0.5", "about 0.5", 0},
                      CellCase{"about 0.5", "about 0.50", 100}, CellCase{"sm and bi", "sm and bi", 0},
                      CellCase{"ze", "sm", 100}, CellCase{"!x", "sm", -1}, CellCase{"sm", "!x", -1},
                      CellCase{"!x", "!x", -1}));

TEST(RuleRelationTest, KindsFollowEqualityOfAntecedentsAndSuccedents) {
    const RuleAnalysis analysis = analysisOf({{{"sm", "bi"}},      // 0
                                              {{"small", "bi"}},   // 1: same descriptor, other text
                                              {{"sm", "me"}},      // 2
                                              {{"ve sm", "bi"}},   // 3
                                              {{"me", "sm"}},      // 4
                                              {{"!x", "bi"}},      // 5
                                              {{"!x", "bi"}}});    // 6
    struct Case {
        int a, b;
        RuleRelation kind;
        bool expected;
    };
    const Case cases[] = {
        {0, 1, RuleRelation::duplicate, true},       {0, 1, RuleRelation::inconsistent, false},
        {0, 2, RuleRelation::inconsistent, true},    {0, 2, RuleRelation::duplicate, false},
        {0, 3, RuleRelation::sameConclusion, true},  {0, 3, RuleRelation::unrelated, false},
        {0, 4, RuleRelation::unrelated, true},       {0, 4, RuleRelation::sameConclusion, false},
        {5, 6, RuleRelation::duplicate, false},      {5, 6, RuleRelation::sameConclusion, true},
        {2, 0, RuleRelation::inconsistent, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(analysis.relation(c.a, c.b, c.kind), c.expected)
            << c.a << " " << c.b << " kind " << static_cast<int>(c.kind);
    }
}

TEST(GroupRulesTest, DuplicatesAreGroupedWithTheirFirstOccurrence) {
    const RuleAnalysis analysis = analysisOf({{{"sm", "bi"}}, {{"me", "sm"}}, {{"sm", "bi"}}});
    EXPECT_EQ(analysis.groupRules(RuleRelation::duplicate), (RuleGroups{{0, 2}}));
    EXPECT_TRUE(analysis.groupRules(RuleRelation::inconsistent).empty());
}

TEST(GroupRulesTest, GroupsAreAnchoredAtTheirFirstRule) {
    // Rules 1 and 2 duplicate each other, yet both are inconsistent with the anchor 0 and join its group;
    // members are not compared with each other.
    const RuleAnalysis analysis =
        analysisOf({{{"sm", "bi"}}, {{"sm", "me"}}, {{"sm", "me"}}, {{"bi", "sm"}}, {{"bi", "ze"}}});
    EXPECT_EQ(analysis.groupRules(RuleRelation::inconsistent), (RuleGroups{{0, 1, 2}, {3, 4}}));
    EXPECT_EQ(analysis.groupRules(RuleRelation::duplicate), (RuleGroups{{1, 2}}));
}

TEST(GroupRulesTest, DegenerateRuleSetsGiveNoGroups) {
    EXPECT_TRUE(analysisOf({}).groupRules(RuleRelation::duplicate).empty());
    EXPECT_TRUE(analysisOf({{{"sm", "bi"}}}).groupRules(RuleRelation::duplicate).empty());
    EXPECT_TRUE(analysisOf({}).redundantInSuccedent().empty());
    EXPECT_TRUE(analysisOf({}).redundantInAntecedent().empty());
}

TEST(GroupRulesTest, IdenticalRulesFormOneGroupWhetherEnabledOrNot) {
    const RuleAnalysis analysis =
        analysisOf({{{"sm", "bi"}, false}, {{"sm", "bi"}, false}, {{"sm", "bi"}, false}});
    EXPECT_EQ(analysis.groupRules(RuleRelation::duplicate), (RuleGroups{{0, 1, 2}}));
    EXPECT_TRUE(analysis.redundantInAntecedent().empty());
    for (int r = 0; r < 3; ++r) {
        EXPECT_FALSE(analysis.isRedundant(r));
    }
}

TEST(CompareAntecedentsTest, CombinesTheCellResultsOfEveryInput) {
    struct Case {
        std::vector<std::string> a, b;
        int expected;
    };
    const Case cases[] = {
        {{"sm", "me"}, {"sm", "me"}, 0},        {{"ve sm", "me"}, {"sm", "me"}, 1},
        {{"sm", "ml me"}, {"ve sm", "me"}, 2},  {{"ve sm", "ml me"}, {"sm", "me"}, 100},
        {{"ve sm", "ze"}, {"sm", "zero"}, 100}, {{"ve sm", "t1"}, {"sm", "t1"}, 1},
        {{"sm", "-bi"}, {"sm", "bi"}, 100},
        // A cell that does not parse makes the rules incomparable, even when another input is narrower.
        {{"ve sm", "!x"}, {"sm", "!y"}, 100},   {{"ve sm", "!x"}, {"sm", "!x"}, 100},
    };
    for (const Case& c : cases) {
        std::vector<std::string> ruleA = c.a;
        std::vector<std::string> ruleB = c.b;
        ruleA.push_back("bi");
        ruleB.push_back("bi");
        const RuleAnalysis analysis = analysisOf({{ruleA}, {ruleB}}, 2, 1);
        EXPECT_EQ(analysis.compareAntecedents(0, 1), c.expected) << c.a[0] << ", " << c.a[1];
    }
}

TEST(CompareAntecedentsTest, RuleBaseWithoutInputsHasEqualAntecedents) {
    const RuleAnalysis analysis = analysisOf({{{"bi"}}, {{"sm"}}}, 0, 1);
    EXPECT_EQ(analysis.compareAntecedents(0, 1), 0);
    EXPECT_EQ(analysis.groupRules(RuleRelation::inconsistent), (RuleGroups{{0, 1}}));
}

TEST(IsRedundantTest, NarrowerRuleWithTheSameConclusionIsRedundant) {
    const RuleAnalysis analysis = analysisOf({{{"ve sm", "bi"}}, {{"sm", "bi"}}});
    EXPECT_TRUE(analysis.isRedundant(0));
    EXPECT_FALSE(analysis.isRedundant(1));
}

TEST(IsRedundantTest, ConclusionsMustBeTextuallyEqual) {
    EXPECT_FALSE(analysisOf({{{"ve sm", "bi"}}, {{"sm", "big"}}}).isRedundant(0));
    EXPECT_FALSE(analysisOf({{{"ve sm", "bi"}}, {{"sm", "ve bi"}}}).isRedundant(0));
}

TEST(IsRedundantTest, EveryOutputMustAgree) {
    // The narrower rule says something else about the second output; removing it would lose that.
    EXPECT_FALSE(analysisOf({{{"ve sm", "bi", "sm"}}, {{"sm", "bi", "me"}}}, 1, 2).isRedundant(0));
    EXPECT_TRUE(analysisOf({{{"ve sm", "bi", "sm"}}, {{"sm", "bi", "sm"}}}, 1, 2).isRedundant(0));
}

TEST(IsRedundantTest, DisabledRuleCoversOnlyDisabledRules) {
    EXPECT_FALSE(analysisOf({{{"ve sm", "bi"}, true}, {{"sm", "bi"}, false}}).isRedundant(0));
    EXPECT_TRUE(analysisOf({{{"ve sm", "bi"}, false}, {{"sm", "bi"}, true}}).isRedundant(0));
    EXPECT_TRUE(analysisOf({{{"ve sm", "bi"}, false}, {{"sm", "bi"}, false}}).isRedundant(0));
}

TEST(IsRedundantTest, UnparsableCellsNeverMakeARuleRedundant) {
    EXPECT_FALSE(analysisOf({{{"ve sm", "!x", "bi"}}, {{"sm", "!x", "bi"}}}, 2, 1).isRedundant(0));
}

TEST(RedundantInSuccedentTest, MostSpecificConclusionLeadsAndOtherAtomsAreDropped) {
    const RuleAnalysis analysis = analysisOf({{{"sm", "bi"}}, {{"sm", "ve bi"}}, {{"sm", "me"}}});
    EXPECT_EQ(analysis.groupRules(RuleRelation::inconsistent), (RuleGroups{{0, 1, 2}}));
    EXPECT_EQ(analysis.redundantInSuccedent(), (RuleGroups{{1, 0}}));
}

TEST(RedundantInSuccedentTest, FrontIsSwappedNotRotated) {
    const RuleAnalysis analysis =
        analysisOf({{{"sm", "vr bi"}}, {{"sm", "ro bi"}}, {{"sm", "ex bi"}}, {{"sm", "bi"}}});
    EXPECT_EQ(analysis.redundantInSuccedent(), (RuleGroups{{2, 1, 0, 3}}));
}

TEST(RedundantInSuccedentTest, EqualRankKeepsTheEarliestMember) {
    const RuleAnalysis analysis = analysisOf({{{"sm", "ml bi"}}, {{"sm", "ve bi"}}, {{"sm", "ve bi"}}});
    EXPECT_EQ(analysis.redundantInSuccedent(), (RuleGroups{{1, 0, 2}}));
}

TEST(RedundantInSuccedentTest, SignsSplitGroupsAndNegationsAreLeftOut) {
    const RuleAnalysis analysis = analysisOf({{{"sm", "-bi"}},
                                              {{"sm", "bi"}},
                                              {{"sm", "-ve bi"}},
                                              {{"sm", "no bi"}},
                                              {{"sm", "ve bi"}},
                                              {{"sm", "ze"}},
                                              {{"sm", "!x"}}});
    EXPECT_EQ(analysis.redundantInSuccedent(), (RuleGroups{{2, 0}, {4, 1}}));
}

TEST(RedundantInSuccedentTest, NoOutputsNoGroups) {
    EXPECT_TRUE(analysisOf({{{"sm"}}, {{"sm"}}}, 1, 0).redundantInSuccedent().empty());
}

TEST(RedundantInAntecedentTest, CoveredRuleLeadsItsCoverers) {
    const RuleAnalysis analysis = analysisOf({{{"ve sm", "bi"}}, {{"sm", "bi"}}});
    EXPECT_EQ(analysis.redundantInAntecedent(), (RuleGroups{{0, 1}}));
}

TEST(RedundantInAntecedentTest, ChainsListEveryWiderRule) {
    const RuleAnalysis analysis =
        analysisOf({{{"sm", "bi"}}, {{"ex sm", "bi"}}, {{"ml sm", "bi"}}, {{"ve sm", "me"}}, {{"me", "bi"}}});
    EXPECT_EQ(analysis.redundantInAntecedent(), (RuleGroups{{0, 2}, {1, 0, 2}}));
}

TEST(RedundantInAntecedentTest, CopiesOfAGroupsFirstRuleBelongToNoGroup) {
    // The rules are grouped by same conclusion first: rule 2 repeats the anchor 0, so it joins no group and
    // only rule 0 is reported, although rule 1 covers both.
    const RuleAnalysis analysis = analysisOf({{{"ve sm", "bi"}}, {{"sm", "bi"}}, {{"ve sm", "bi"}}});
    EXPECT_EQ(analysis.redundantInAntecedent(), (RuleGroups{{0, 1}}));
    EXPECT_TRUE(analysis.isRedundant(2)) << "Delete Redundant still removes the copy";
}

TEST(RedundantInAntecedentTest, ConclusionsMustBeEqual) {
    const RuleAnalysis analysis = analysisOf({{{"ve sm", "ve bi"}}, {{"sm", "bi"}}, {{"ve sm", "!x"}}, {{"sm", "!x"}}});
    EXPECT_TRUE(analysis.redundantInAntecedent().empty());
}

}  // namespace
}  // namespace zorv
