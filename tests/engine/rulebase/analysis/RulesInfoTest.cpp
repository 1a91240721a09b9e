#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"
#include "rulebase/analysis/RulesInfo.h"

namespace zorv {
namespace {

using test::analysisOf;

std::vector<std::string> column(const std::vector<RuleInfo>& rows, RulesInfoColumn c) {
    std::vector<std::string> texts;
    for (const RuleInfo& row : rows) {
        texts.push_back(row.text(c));
    }
    return texts;
}

std::vector<int> keys(const std::vector<RuleInfo>& rows, RulesInfoColumn c) {
    std::vector<int> result;
    for (const RuleInfo& row : rows) {
        result.push_back(row.sortKey(c));
    }
    return result;
}

constexpr int kNone = RuleInfo::kNoKey;

TEST(RulesInfoTest, GroupColumnNamesTheOtherMembersWithTheirRowLabels) {
    const auto rows = RulesInfo::compute(analysisOf({{{"sm", "bi"}},
                                                     {{"me", "sm"}},
                                                     {{"sm", "bi"}},
                                                     {{"me", "sm"}},
                                                     {{"bi", "me"}},
                                                     {{"sm", "bi"}}}));
    EXPECT_EQ(column(rows, RulesInfoColumn::group),
              (std::vector<std::string>{"same as 3., 6.", "same as 4.", "same as 1., 6.", "same as 2.", "",
                                        "same as 1., 3."}));
    EXPECT_EQ(keys(rows, RulesInfoColumn::group), (std::vector<int>{0, 1, 0, 1, kNone, 0}));
}

TEST(RulesInfoTest, InconsistencyAndSuccedentRedundancy) {
    const auto rows = RulesInfo::compute(analysisOf({{{"sm", "bi"}}, {{"sm", "ve bi"}}, {{"sm", "me"}}}));
    EXPECT_EQ(column(rows, RulesInfoColumn::inconsistency),
              (std::vector<std::string>{"with 2., 3.", "with 1., 3.", "with 1., 2."}));
    EXPECT_EQ(keys(rows, RulesInfoColumn::inconsistency), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(column(rows, RulesInfoColumn::redundantSuc), (std::vector<std::string>{"with 2", "", ""}));
    EXPECT_EQ(keys(rows, RulesInfoColumn::redundantSuc), (std::vector<int>{2, kNone, kNone}));
}

TEST(RulesInfoTest, AntecedentRedundancyListsTheCoveringRules) {
    const auto rows = RulesInfo::compute(
        analysisOf({{{"sm", "bi"}}, {{"ex sm", "bi"}}, {{"ml sm", "bi"}}, {{"ve sm", "me"}}, {{"me", "bi"}}}));
    EXPECT_EQ(column(rows, RulesInfoColumn::redundantAnt),
              (std::vector<std::string>{"wrt 3", "wrt 1, 3", "", "", ""}));
    EXPECT_EQ(keys(rows, RulesInfoColumn::redundantAnt), (std::vector<int>{3, 3, kNone, kNone, kNone}));
}

TEST(RulesInfoTest, LongListsShowTheFirstTenAndCountTheRest) {
    // Rule 1 is covered by the 1,011 copies of sm -> bi, which duplicate each other.
    std::vector<test::TestRule> rules{{{"ve sm", "bi"}}};
    rules.insert(rules.end(), 1011, test::TestRule{{"sm", "bi"}});
    const auto rows = RulesInfo::compute(analysisOf(rules));
    EXPECT_EQ(rows[0].text(RulesInfoColumn::redundantAnt), "wrt 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, \u2026 and 1,001 more");
    EXPECT_EQ(rows[0].sortKey(RulesInfoColumn::redundantAnt), 1012) << "the last coverer, listed or not";
    EXPECT_EQ(rows[1].text(RulesInfoColumn::group), "same as 3., 4., 5., 6., 7., 8., 9., 10., 11., 12., \u2026 and 1,000 more");
    EXPECT_EQ(rows[5].text(RulesInfoColumn::group), "same as 2., 3., 4., 5., 7., 8., 9., 10., 11., 12., \u2026 and 1,000 more");
    EXPECT_EQ(rows[1011].sortKey(RulesInfoColumn::group), 0);
    const auto eleven = RulesInfo::compute(analysisOf({rules.begin() + 1, rules.begin() + 12}));
    EXPECT_EQ(eleven[0].text(RulesInfoColumn::group), "same as 2., 3., 4., 5., 6., 7., 8., 9., 10., 11.");
}

TEST(RulesInfoTest, UncheckedColumnsStayEmpty) {
    const RuleAnalysis analysis = analysisOf({{{"sm", "bi"}}, {{"sm", "bi"}}, {{"ve sm", "me"}}, {{"sm", "me"}}});
    const auto rows = RulesInfo::compute(analysis, RulesInfoColumns{false, false, false, false});
    ASSERT_EQ(rows.size(), 4u);
    for (const RuleInfo& row : rows) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_TRUE(row.texts[c].empty());
            EXPECT_EQ(row.sortKeys[c], kNone);
        }
    }
    const auto onlyAnt = RulesInfo::compute(analysis, RulesInfoColumns{false, false, false, true});
    EXPECT_EQ(column(onlyAnt, RulesInfoColumn::redundantAnt), (std::vector<std::string>{"", "", "wrt 4", ""}));
    EXPECT_EQ(column(onlyAnt, RulesInfoColumn::group), (std::vector<std::string>{"", "", "", ""}));
}

TEST(RulesInfoTest, DegenerateRuleSets) {
    EXPECT_TRUE(RulesInfo::compute(analysisOf({})).empty());
    const auto one = RulesInfo::compute(analysisOf({{{"sm", "bi"}, false}}));
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].texts, (std::array<std::string, 4>{}));
}

TEST(RulesInfoTest, TitlesAndWidthSamples) {
    EXPECT_EQ(RulesInfo::title(RulesInfoColumn::group), "Group");
    EXPECT_EQ(RulesInfo::title(RulesInfoColumn::inconsistency), "Inconsistency");
    EXPECT_EQ(RulesInfo::title(RulesInfoColumn::redundantSuc), "Redundant suc");
    EXPECT_EQ(RulesInfo::title(RulesInfoColumn::redundantAnt), "Redundant ant");
    EXPECT_EQ(RulesInfo::widthSample(RulesInfoColumn::inconsistency), "inconsist with 000,");
}

}  // namespace
}  // namespace zorv
