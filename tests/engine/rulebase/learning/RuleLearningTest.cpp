#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "fuzzy/vocabulary/CBasicSettings.h"
#include "rulebase/learning/LearningNumberRows.h"
#include "rulebase/learning/LearningTextRows.h"
#include "rulebase/learning/RuleLearning.h"
#include "tests/support/RuleBaseTextBuilder.h"
#include "tests/support/ScratchFolder.h"

namespace zorv {
namespace {

using test::RuleBaseTextBuilder;
using test::ScratchFolder;
using test::userTerm;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// x and y over <0, 10>, each with the user terms lo (0 0 5), mid (0 5 10) and hi (5 10 10).
RuleBaseTextBuilder approxBase() {
    const std::string terms =
        userTerm("lo", "triang", "0 0 5") + userTerm("mid", "triang", "0 5 10") + userTerm("hi", "triang", "5 10 10");
    RuleBaseTextBuilder builder;
    builder.input({"x", 0.0, 10.0, terms}).output({"y", 0.0, 10.0, terms}).rule({"lo", "hi"});
    return builder;
}

std::vector<std::vector<std::string>> textsOf(const CRuleBase& unit) {
    std::vector<std::vector<std::string>> rows;
    for (const RuleRow& row : unit.Rules()) rows.push_back(row.texts);
    return rows;
}

using Texts = std::vector<std::vector<std::string>>;

// ---------------------------------------------------------------------------------------------------------

TEST(ApproxLearning, EveryReadableRowBecomesARuleAfterTheCarriedOverOnes) {
    ScratchFolder folder;
    auto unit = approxBase().load();
    // The repeated row gives a second, equal rule; so does the row that repeats the existing rule.
    const LearningNumberRows data(2, {0.0, 10.0, 5.0, 2.0, 5.0, 2.0, 9.0, 4.0});
    const LearningOutcome outcome =
        RuleLearning(*unit, LearningMode::approx).run(unit->Rules(), data, folder / "data.rules");
    EXPECT_EQ(outcome.added, 4);
    EXPECT_EQ(outcome.message(), "4 rules were added.");
    EXPECT_TRUE(outcome.dropped.empty());
    EXPECT_EQ(textsOf(*unit), (Texts{{"lo", "hi"}, {"lo", "hi"}, {"mid", "lo"}, {"mid", "lo"}, {"hi", "mid"}}));
}

TEST(ApproxLearning, WritesTheRulesFileWithTabsAndCounts) {
    ScratchFolder folder;
    auto unit = approxBase().load();
    const LearningOutcome outcome = RuleLearning(*unit, LearningMode::approx)
                                        .run(unit->Rules(), LearningNumberRows(2, {10.0, 0.0}), folder / "d.rules");
    EXPECT_FALSE(outcome.rulesFileProblem);
    EXPECT_EQ(outcome.rulesFile, folder / "d.rules");
    EXPECT_EQ(test::fileText(folder / "d.rules"), "lo\thi\t1\nhi\tlo\t1\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "d.rules.zorv-tmp"));
}

TEST(ApproxLearning, EqualMembershipChoosesTheTermListedFirst) {
    ScratchFolder folder;
    auto unit = approxBase().load();
    // At 2.5, lo and mid both have degree 0.5; at 7.5 mid and hi do.
    RuleLearning(*unit, LearningMode::approx).run({}, LearningNumberRows(2, {2.5, 7.5}), folder / "d.rules");
    EXPECT_EQ(textsOf(*unit), (Texts{{"lo", "mid"}}));
}

TEST(ApproxLearning, ValuesAreClampedIntoTheirOwnContexts) {
    ScratchFolder folder;
    auto unit = approxBase().load();
    RuleLearning(*unit, LearningMode::approx).run({}, LearningNumberRows(2, {-40.0, 1e9}), folder / "d.rules");
    EXPECT_EQ(textsOf(*unit), (Texts{{"lo", "hi"}}));
}

TEST(ApproxLearning, UnreadableRowsAreSkipped) {
    ScratchFolder folder;
    auto unit = approxBase().load();
    const LearningTextRows data({{"1", "9"}, {"abc", "1"}, {"2,5"}, {}, {"8,5", "1.5", "ignored"}, {"1", "inf"}});
    const LearningOutcome outcome = RuleLearning(*unit, LearningMode::approx).run({}, data, folder / "d.rules");
    EXPECT_EQ(outcome.added, 2);
    EXPECT_EQ(textsOf(*unit), (Texts{{"lo", "hi"}, {"hi", "lo"}}));
    const LearningNumberRows numbers(2, {1.0, kNaN, 1.0, 9.0});
    EXPECT_EQ(RuleLearning(*unit, LearningMode::approx).run({}, numbers, folder / "d.rules").added, 1);
}

TEST(ApproxLearning, GridRowsWithAnEmptyCellAreNotCarriedOver) {
    ScratchFolder folder;
    auto unit = approxBase().load();
    const std::vector<RuleRow> grid{{true, {"lo", ""}}, {false, {"mid", "mid"}}, {true, {"  ", "hi"}}, {true, {"hi"}}};
    RuleLearning(*unit, LearningMode::approx).run(grid, LearningNumberRows(2, {}), folder / "d.rules");
    ASSERT_EQ(unit->RuleCount(), 1);
    EXPECT_EQ(textsOf(*unit), (Texts{{"mid", "mid"}}));
    EXPECT_FALSE(unit->Enabled(0)) << "the grid's active mark is kept";
}

TEST(ApproxLearning, AnEmptyTableStillRewritesTheRulesFile) {
    ScratchFolder folder;
    test::writeFile(folder / "d.rules", "old content\n");
    auto unit = approxBase().load();
    const LearningOutcome outcome =
        RuleLearning(*unit, LearningMode::approx).run(unit->Rules(), LearningNumberRows(2, {}), folder / "d.rules");
    EXPECT_EQ(outcome.message(), "0 rules were added.");
    EXPECT_EQ(test::fileText(folder / "d.rules"), "lo\thi\t1\n");
}

TEST(ApproxLearning, AnOutputWithoutUserTermsMakesEveryRowFail) {
    ScratchFolder folder;
    auto unit = RuleBaseTextBuilder()
                    .input({"x", 0.0, 1.0, userTerm("a", "triang", "0 0 1")})
                    .output({"y"})
                    .rule({"a", "sm"})
                    .load();
    const LearningOutcome outcome = RuleLearning(*unit, LearningMode::approx)
                                        .run(unit->Rules(), LearningNumberRows(2, {0.5, 0.5}), folder / "d.rules");
    EXPECT_EQ(outcome.message(), "0 rules were added.");
    EXPECT_EQ(unit->RuleCount(), 1);
}

TEST(ApproxLearning, AnInputWithoutUserTermsRefusesTheRunAndChangesNothing) {
    ScratchFolder folder;
    auto unit = RuleBaseTextBuilder()
                    .input({"x", 0.0, 1.0, userTerm("a", "triang", "0 0 1")})
                    .input({"speed"})
                    .output({"y", 0.0, 1.0, userTerm("b", "triang", "0 0 1")})
                    .rule({"a", "sm", "b"})
                    .load();
    const LearningOutcome outcome =
        RuleLearning(*unit, LearningMode::approx).run({}, LearningNumberRows(3, {0.5, 0.5, 0.5}), folder / "d.rules");
    ASSERT_TRUE(outcome.refusal);
    EXPECT_EQ(outcome.message(), "speed does not contain user defined terms.");
    EXPECT_EQ(unit->RuleCount(), 1);
    EXPECT_FALSE(std::filesystem::exists(folder / "d.rules"));
}

TEST(ApproxLearning, AnUnwritableRulesFileLeavesTheRestOfTheRun) {
    ScratchFolder folder;
    auto unit = approxBase().load();
    const LearningOutcome outcome = RuleLearning(*unit, LearningMode::approx)
                                        .run({}, LearningNumberRows(2, {0.0, 0.0}), folder / "missing" / "d.rules");
    EXPECT_TRUE(outcome.rulesFileProblem);
    EXPECT_EQ(outcome.added, 1);
    EXPECT_EQ(textsOf(*unit), (Texts{{"lo", "lo"}}));
}

TEST(ApproxLearning, ProgressCountsTheDataRows) {
    ScratchFolder folder;
    auto unit = approxBase().load();
    std::vector<std::pair<int, int>> reports;
    RuleLearning(*unit, LearningMode::approx)
        .run({}, LearningNumberRows(2, {0, 0, 1, 1, 2, 2}), folder / "d.rules",
             [&](int done, int total) { reports.emplace_back(done, total); });
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.front(), std::make_pair(0, 3));
    EXPECT_EQ(reports.back(), std::make_pair(3, 3));
}

// ---------------------------------------------------------------------------------------------------------

TEST(PentatomyLearning, DescribesValuesWithExpressionsThatCompile) {
    ScratchFolder folder;
    auto unit = RuleBaseTextBuilder().input({"x", 0.0, 100.0}).input({"s", -10.0, 10.0}).output({"y", 0.0, 1.0}).load();
    std::vector<double> values;
    for (int i = 0; i <= 40; ++i) {
        values.insert(values.end(), {i * 2.5, -10.0 + i * 0.5, i / 40.0});
    }
    const LearningOutcome outcome =
        RuleLearning(*unit, LearningMode::pentatomy).run({}, LearningNumberRows(3, values), folder / "d.rules");
    EXPECT_EQ(outcome.added, 41);
    EXPECT_TRUE(outcome.dropped.empty());
    ASSERT_EQ(unit->RuleCount(), 41);
    for (int r = 0; r < unit->PoolSize(); ++r) {
        if (const CValue* cell = unit->PoolCell(r)) {
            EXPECT_FALSE(cell->CompileError()) << cell->Text();
        }
    }
    const Texts rules = textsOf(*unit);
    EXPECT_EQ(rules.front(), (std::vector<std::string>{"ze", "-ex bi", "ze"}));
    EXPECT_EQ(rules[12][0], "LoMe") << "30 lies in the kernel of LoMe";
    EXPECT_EQ(rules[14][1], "NegLoMe") << "-3 lies in the kernel of NegLoMe";
}

TEST(PentatomyLearning, CarriedOverRulesNamingRemovedUserTermsAreLeftOutAndReported) {
    ScratchFolder folder;
    auto unit = RuleBaseTextBuilder()
                    .input({"x", 0.0, 1.0, userTerm("t3", "triang", "0 0.5 1")})
                    .output({"y"})
                    .rule({"t3", "bi"})
                    .rule({"sm", "sm"})
                    .load();
    LearningOutcome outcome;
    ASSERT_NO_THROW(outcome = RuleLearning(*unit, LearningMode::pentatomy)
                                  .run(unit->Rules(), LearningNumberRows(2, {0.3, 0.3}), folder / "d.rules"));
    EXPECT_EQ(outcome.added, 1);
    ASSERT_EQ(outcome.dropped.size(), 1u);
    EXPECT_NE(outcome.dropped[0].find("Rule 1 was left out: x: \"t3\""), std::string::npos) << outcome.dropped[0];
    const Texts rules = textsOf(*unit);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[0], (std::vector<std::string>{"sm", "sm"}));
    for (int r = 0; r < unit->PoolSize(); ++r) {
        if (const CValue* cell = unit->PoolCell(r)) {
            EXPECT_FALSE(cell->CompileError()) << cell->Text();
        }
    }
    const std::string written = test::fileText(folder / "d.rules");
    EXPECT_EQ(written.rfind("t3\tbi\t1\nsm\tsm\t1\n", 0), 0u) << "the .rules file records the left-out rule";
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 3);
}

TEST(PentatomyLearning, EachOutputIsDescribedInItsOwnVocabulary) {
    ScratchFolder folder;
    auto unit = RuleBaseTextBuilder().input({"x"}).output({"y"}).output({"w", 0.0, 1000.0}).load();
    RuleLearning(*unit, LearningMode::pentatomy).run({}, LearningNumberRows(3, {0.0, 1.0, 1000.0}), folder / "d.rules");
    ASSERT_EQ(unit->RuleCount(), 1);
    EXPECT_EQ(unit->SuccedentText(1, 0), unit->SuccedentText(0, 0)) << "1000 is the top of w's context";
}

struct RefusalCase {
    const char* name;
    RuleBaseTextBuilder builder;
    std::string message;
};

class LearningRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(LearningRefusal, LeavesTheRuleBaseAsItWas) {
    ScratchFolder folder;
    auto unit = GetParam().builder.load();
    const auto before = unit->Rules();
    const LearningOutcome outcome = RuleLearning(*unit, LearningMode::pentatomy)
                                        .run(before, LearningNumberRows(3, {0.1, 0.1, 0.1}), folder / "d.rules");
    EXPECT_EQ(outcome.message(), GetParam().message);
    EXPECT_EQ(unit->Rules(), before);
    EXPECT_EQ(dynamic_cast<const CBasicSettings&>(unit->Settings(0)).userTermCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Pentatomy, LearningRefusal,
    ::testing::Values(RefusalCase{"Singleton",
                                  RuleBaseTextBuilder()
                                      .type("singleton")
                                      .infer("Takagi-Sugeno Inference")
                                      .input({"x"})
                                      .input({"z"})
                                      .output({"y", 0.0, 1.0, "", "linc"})
                                      .rule({"sm", "sm", "0.5"}),
                                  "Linguistic learning (pentatomy) needs a linguistic rule base."},
                      RefusalCase{"TriangVocabulary",
                                  RuleBaseTextBuilder()
                                      .input({"x"})
                                      .input({"z", 0.0, 1.0, "", "triang"})
                                      .output({"y"})
                                      .rule({"sm", "sm", "sm"}),
                                  "z has no linguistic settings; linguistic learning (pentatomy) needs them."},
                      RefusalCase{"NoOutput", RuleBaseTextBuilder().input({"x"}).input({"z"}),
                                  "The rule base has no output variable."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorv
