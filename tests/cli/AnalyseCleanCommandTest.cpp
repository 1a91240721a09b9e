#include <gtest/gtest.h>

#include "cli/ExitCode.h"
#include "rulebase/CRuleBase.h"
#include "tests/support/CliTestSupport.h"
#include "tests/support/RuleBaseTextBuilder.h"

namespace zorv::cli {
namespace {

using test::fields;
using test::fileText;
using test::ScratchFolder;
using test::linesOf;
using test::CommandResult;
using test::runZorv;

// 1 sm->bi, 2 me->sm, 3 sm->bi (duplicate of 1), 4 me->ve sm (inconsistent with 2), 5 ve bi->me (covered by 6),
// 6 bi->me.
std::string rulesText() {
    return ::zorv::test::RuleBaseTextBuilder()
        .input({"x"})
        .output({"y"})
        .rule({"sm", "bi"})
        .rule({"me", "sm"})
        .rule({"sm", "bi"})
        .rule({"me", "ve sm"})
        .rule({"ve bi", "me"})
        .rule({"bi", "me"}, false)
        .text();
}

TEST(AnalyseCommand, OneLinePerRuleWithItsCellsAndFourAnalysisFields) {
    ScratchFolder folder;
    const CommandResult run = runZorv({"analyse", folder.file("unit.rb", rulesText())});
    ASSERT_EQ(run.status, kSuccess) << run.err;
    const auto output = linesOf(run.out);
    ASSERT_EQ(output.size(), 7u);
    EXPECT_EQ(output[0], "rule\tx\ty\tGroup\tInconsistency\tRedundant suc\tRedundant ant");
    for (const std::string& line : output) EXPECT_EQ(fields(line).size(), 7u) << line;
    EXPECT_EQ(fields(output[1])[3], "same as 3.");
    EXPECT_EQ(fields(output[2])[4], "with 4.");
    EXPECT_EQ(fields(output[2])[5], "with 4") << "ve sm is narrower than sm";
    EXPECT_EQ(fields(output[5]).front(), "5");
    EXPECT_EQ(fields(output[6]).front(), "#6") << "a disabled rule is marked";
    EXPECT_EQ(fields(output[6])[1], "bi");
}

TEST(AnalyseCommand, ARuleBaseWithoutFindingsPrintsEmptyFields) {
    ScratchFolder folder;
    const auto text = ::zorv::test::RuleBaseTextBuilder().input({"x"}).output({"y"}).rule({"sm", "bi"}).text();
    const CommandResult run = runZorv({"analyse", folder.file("unit.rb", text)});
    EXPECT_EQ(run.out, "rule\tx\ty\tGroup\tInconsistency\tRedundant suc\tRedundant ant\n1\tsm\tbi\t\t\t\t\n");
}

TEST(AnalyseCommand, ACopyOfTheFirstRuleWithTheSameConclusionIsNotReportedAsCovered) {
    ScratchFolder folder;
    const auto text = ::zorv::test::RuleBaseTextBuilder()
                          .input({"x"})
                          .output({"y"})
                          .rule({"ve sm", "bi"})
                          .rule({"sm", "bi"})
                          .rule({"ve sm", "bi"})
                          .text();
    const auto output = linesOf(runZorv({"analyse", folder.file("unit.rb", text)}).out);
    ASSERT_EQ(output.size(), 4u);
    EXPECT_EQ(fields(output[1])[6], "wrt 2");
    EXPECT_EQ(fields(output[3])[6], "");
}

// 20,000 equal rules: every analysis cell names ten rules and counts the rest, and cleaning sees copies.
TEST(AnalyseCleanCommand, TwentyThousandEqualRules) {
    ::zorv::test::RuleBaseTextBuilder builder;
    builder.input({"x"}).input({"w"}).output({"y"});
    for (int r = 0; r < 20000; ++r) builder.rule({"sm", "ve bi", "bi"});
    ScratchFolder folder;
    const std::string input = folder.file("unit.rb", builder.text());
    const CommandResult analysed = runZorv({"analyse", input});
    ASSERT_EQ(analysed.status, kSuccess) << analysed.err;
    const auto output = linesOf(analysed.out);
    ASSERT_EQ(output.size(), 20001u);
    EXPECT_EQ(fields(output[20000])[4], "same as 1., 2., 3., 4., 5., 6., 7., 8., 9., 10., \u2026 and 19,989 more");
    EXPECT_LT(analysed.out.size(), 20001u * 100);
    EXPECT_EQ(runZorv({"clean", input, "--delete-duplicit"}).out,
              "Delete Duplicit: 19999 of 20000 rules would be removed, 1 would remain.\n");
    EXPECT_EQ(runZorv({"clean", input, "--delete-redundant"}).out,
              "Delete Redundant: 0 of 20000 rules would be removed, 20000 would remain.\n");
    EXPECT_EQ(runZorv({"clean", input, "--merge-inconsistent"}).out,
              "Merge Inconsistent: 0 groups of 0 inconsistent rules would be merged; 20000 rules before, 20000 after.\n");
}

struct CleanCase {
    const char* option;
    const char* report;
    int rulesAfter;
};

class CleanCommandOperation : public ::testing::TestWithParam<CleanCase> {};

TEST_P(CleanCommandOperation, ReportsAndWritesOnlyWithOutput) {
    ScratchFolder folder;
    const std::string input = folder.file("unit.rb", rulesText());
    const std::string before = fileText(input);

    const CommandResult dry = runZorv({"clean", input, GetParam().option});
    EXPECT_EQ(dry.status, kSuccess) << dry.err;
    EXPECT_EQ(fileText(input), before) << "without -o nothing is written";

    const std::string output = folder.path("out.rb");
    const CommandResult wet = runZorv({"clean", input, GetParam().option, "-o", output});
    ASSERT_EQ(wet.status, kSuccess) << wet.err;
    EXPECT_EQ(wet.out, std::string(GetParam().report) + "\n");
    EXPECT_EQ(CRuleBase::Load(output)->RuleCount(), GetParam().rulesAfter);
    EXPECT_EQ(fileText(input), before);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, CleanCommandOperation,
    ::testing::Values(CleanCase{"--delete-duplicit", "Delete Duplicit: 1 of 6 rules removed, 5 remain.", 5},
                      CleanCase{"--delete-redundant", "Delete Redundant: 0 of 6 rules removed, 6 remain.", 6},
                      CleanCase{"--merge-inconsistent",
                                "Merge Inconsistent: 1 group of 2 inconsistent rules merged; 6 rules before, 4 after.",
                                4}));

TEST(CleanCommand, DryRunSaysWhatWouldHappen) {
    ScratchFolder folder;
    const CommandResult run = runZorv({"clean", folder.file("unit.rb", rulesText()), "--delete-duplicit"});
    EXPECT_EQ(run.out, "Delete Duplicit: 1 of 6 rules would be removed, 5 would remain.\n");
}

TEST(CleanCommand, MergeInconsistentKeepsAnEnabledRuleInInference) {
    ScratchFolder folder;
    const auto text = ::zorv::test::RuleBaseTextBuilder()
                          .input({"x"})
                          .output({"y"})
                          .rule({"sm", "bi"}, false)
                          .rule({"sm", "sm"}, false)
                          .rule({"sm", "bi"})
                          .rule({"me", "sm"})
                          .text();
    const std::string output = folder.path("out.rb");
    ASSERT_EQ(runZorv({"clean", folder.file("unit.rb", text), "--merge-inconsistent", "-o", output}).status, kSuccess);
    const auto merged = CRuleBase::Load(output);
    ASSERT_EQ(merged->RuleCount(), 2);
    EXPECT_EQ(merged->SuccedentText(0, 0), "about 0.463296");
    EXPECT_TRUE(merged->Enabled(0));
    EXPECT_EQ(merged->AntecedentText(0, 1), "me");
}

TEST(CleanCommand, OutputMayBeTheInputFileItself) {
    ScratchFolder folder;
    const std::string input = folder.file("unit.rb", rulesText());
    ASSERT_EQ(runZorv({"clean", input, "--delete-duplicit", "-o", input}).status, kSuccess);
    EXPECT_EQ(CRuleBase::Load(input)->RuleCount(), 5);
}

TEST(CleanCommand, AnUnwritableOutputIsAnIoError) {
    ScratchFolder folder;
    const CommandResult run = runZorv({"clean", folder.file("unit.rb", rulesText()), "--delete-duplicit", "-o",
                          folder.path("no/such/folder/out.rb")});
    EXPECT_EQ(run.status, kUsage);
    EXPECT_TRUE(run.out.empty());
}

struct UsageCase {
    std::vector<std::string> args;
    int status;
    const char* errPart;
};

class AnalyseCleanUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(AnalyseCleanUsage, IsRefused) {
    ScratchFolder folder;
    std::vector<std::string> args = GetParam().args;
    for (std::string& arg : args) {
        if (arg == "GOOD") arg = folder.file("good.rb", rulesText());
        if (arg == "BAD") arg = folder.file("bad.rb", "this is not a rule base\n");
    }
    const CommandResult run = runZorv(args);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find(GetParam().errPart), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, AnalyseCleanUsage,
    ::testing::Values(UsageCase{{"analyse"}, kUsage, "one rule base file"},
                      UsageCase{{"analyse", "GOOD", "GOOD"}, kUsage, "one rule base file"},
                      UsageCase{{"analyse", "GOOD", "--fast"}, kUsage, "unknown option '--fast'"},
                      UsageCase{{"analyse", "missing.rb"}, kUsage, "cannot open missing.rb"},
                      UsageCase{{"analyse", "BAD"}, kBadInput, "Syntax error"},
                      UsageCase{{"clean", "GOOD"}, kUsage, "give one of"},
                      UsageCase{{"clean", "GOOD", "--delete-duplicit", "--merge-inconsistent"}, kUsage, "only one"},
                      UsageCase{{"clean", "GOOD", "--delete-redundant", "-o"}, kUsage, "-o: missing value"},
                      UsageCase{{"clean", "BAD", "--delete-redundant"}, kBadInput, "Syntax error"}));

TEST(AnalyseCleanHelp, EachCommandHasItsHelp) {
    for (const char* command : {"analyse", "clean"}) {
        const CommandResult run = runZorv({command, "--help"});
        EXPECT_EQ(run.status, kSuccess);
        EXPECT_EQ(run.out.rfind(std::string("Usage: zorv ") + command, 0), 0u) << run.out;
        EXPECT_EQ(run.out, runZorv({"help", command}).out);
    }
}

}  // namespace
}  // namespace zorv::cli
