#include <gtest/gtest.h>

#include <utility>

#include "AnalysisTestSupport.h"
#include "rulebase/analysis/DeleteRedundant.h"

namespace zorv {
namespace {

using test::TestRule;

std::vector<RuleRow> rowsOf(const std::vector<TestRule>& rules) {
    std::vector<RuleRow> rows;
    for (const TestRule& rule : rules) {
        rows.push_back(RuleRow{rule.enabled, rule.cells});
    }
    return rows;
}

std::vector<RuleRow> withoutRedundant(const std::vector<TestRule>& rules, int antecedents = 1) {
    return deleteRedundant(test::analysisOf(rules, antecedents, 1), rowsOf(rules));
}

TEST(DeleteRedundantRowsTest, RemovesNarrowerRulesWithTheSameConclusion) {
    EXPECT_EQ(withoutRedundant({{{"ve sm", "bi"}}, {{"sm", "bi"}}}), rowsOf({{{"sm", "bi"}}}));
}

TEST(DeleteRedundantRowsTest, ChainsLeaveTheWidestRule) {
    // Each rule is judged against the rules as they were, so the order of removal does not matter.
    EXPECT_EQ(withoutRedundant({{{"ex sm", "bi"}}, {{"sm", "bi"}}, {{"ve sm", "bi"}}, {{"vr sm", "bi"}},
                                {{"me", "bi"}}}),
              rowsOf({{{"vr sm", "bi"}}, {{"me", "bi"}}}));
}

TEST(DeleteRedundantRowsTest, KeepsRulesWithoutAWiderPartner) {
    const std::vector<TestRule> rules{{{"ve sm", "me", "bi"}}, {{"sm", "me", "sm"}}, {{"sm", "me", "bi"}, false},
                                      {{"ve bi", "!x", "bi"}}, {{"bi", "!x", "bi"}}};
    // Rule 0 is covered only by the disabled rule 2; rules 3 and 4 have a cell that does not parse.
    EXPECT_EQ(withoutRedundant(rules, 2), rowsOf(rules));
}

TEST(DeleteRedundantRowsTest, DuplicatesAreNotRedundant) {
    const std::vector<TestRule> rules{{{"sm", "bi"}}, {{"sm", "bi"}}};
    EXPECT_EQ(withoutRedundant(rules), rowsOf(rules));
}

TEST(DeleteRedundantRowsTest, DropsRowsWithAnEmptyCell) {
    const std::vector<TestRule> rules{{{"sm", "bi"}}, {{"me", ""}}};
    EXPECT_EQ(withoutRedundant(rules), rowsOf({{{"sm", "bi"}}}));
}

TEST(DeleteRedundantRowsTest, ReportsProgressAfterEveryRule) {
    const std::vector<TestRule> rules{{{"ve sm", "bi"}}, {{"sm", "bi"}}, {{"me", "sm"}}};
    std::vector<std::pair<int, int>> calls;
    deleteRedundant(test::analysisOf(rules), rowsOf(rules), [&calls](int done, int total) {
        calls.emplace_back(done, total);
    });
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
}

TEST(DeleteRedundantRowsTest, DegenerateInputs) {
    int calls = 0;
    EXPECT_TRUE(deleteRedundant(test::analysisOf({}), {}, [&calls](int, int) { ++calls; }).empty());
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(withoutRedundant({{{"sm", "bi"}, false}}), rowsOf({{{"sm", "bi"}, false}}));
    const std::vector<TestRule> disabled{{{"ve sm", "bi"}, false}, {{"sm", "bi"}, false}};
    EXPECT_EQ(withoutRedundant(disabled), rowsOf({{{"sm", "bi"}, false}}));
}

}  // namespace
}  // namespace zorv
