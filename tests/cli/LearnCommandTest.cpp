#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/RuleBaseTextBuilder.h"
#include "tests/support/CliTestSupport.h"
#include "cli/ExitCode.h"
#include "rulebase/CRuleBase.h"

namespace zorv::cli {
namespace {

using test::CommandResult;
using test::fileText;
using test::ScratchFolder;
using test::runZorv;
using ::zorv::test::RuleBaseTextBuilder;
using ::zorv::test::userTerm;

// x and y over <0, 10> with the user terms lo, mid and hi; one rule lo -> hi.
std::string approxText() {
    const std::string terms =
        userTerm("lo", "triang", "0 0 5") + userTerm("mid", "triang", "0 5 10") + userTerm("hi", "triang", "5 10 10");
    return RuleBaseTextBuilder()
        .input({"x", 0.0, 10.0, terms})
        .output({"y", 0.0, 10.0, terms})
        .rule({"lo", "hi"})
        .text();
}

constexpr const char* kData = "Samples of x and y\nx y\n0 10\n5 2\n9,5 4.5\n";

TEST(LearnCommand, ApproxWritesTheRulesFileBesideTheDataAndReportsTheCount) {
    ScratchFolder folder;
    const std::string unit = folder.file("unit.rb", approxText());
    const std::string before = fileText(unit);
    const CommandResult run = runZorv({"learn", unit, folder.file("samples.txt", kData), "--approx"});
    ASSERT_EQ(run.status, kSuccess) << run.err;
    EXPECT_EQ(run.out, "3 rules were added.\n");
    EXPECT_EQ(fileText(folder.path("samples.rules")), "lo\thi\t1\nlo\thi\t1\nmid\tlo\t1\nhi\tmid\t1\n");
    EXPECT_EQ(fileText(unit), before) << "without -o the rule base file stays as it was";
}

TEST(LearnCommand, OutputGetsTheLearnedRuleBase) {
    ScratchFolder folder;
    const std::string output = folder.path("learned.rb");
    const CommandResult run = runZorv(
        {"learn", folder.file("unit.rb", approxText()), folder.file("samples.txt", kData), "--approx", "-o", output});
    ASSERT_EQ(run.status, kSuccess) << run.err;
    const auto learned = CRuleBase::Load(output);
    ASSERT_EQ(learned->RuleCount(), 4);
    EXPECT_EQ(learned->AntecedentText(0, 3), "hi");
    EXPECT_EQ(learned->SuccedentText(0, 3), "mid");
}

TEST(LearnCommand, PentatomyLeavesOutRulesNamingReplacedTermsWithANote) {
    ScratchFolder folder;
    const std::string output = folder.path("learned.rb");
    const CommandResult run = runZorv({"learn", folder.file("unit.rb", approxText()), folder.file("samples.txt", kData),
                                       "--pentatomy", "-o", output});
    ASSERT_EQ(run.status, kSuccess) << run.err;
    EXPECT_EQ(run.out, "3 rules were added.\n");
    EXPECT_NE(run.err.find("note: Rule 1 was left out: x: \"lo\""), std::string::npos) << run.err;
    EXPECT_EQ(fileText(folder.path("samples.rules")).rfind("lo\thi\t1\n", 0), 0u) << "but not from the .rules file";
    const auto learned = CRuleBase::Load(output);
    EXPECT_EQ(learned->RuleCount(), 3);
    EXPECT_NE(fileText(output).find("name=LoMe"), std::string::npos);
}

TEST(LearnCommand, ARefusedRunWritesNothing) {
    ScratchFolder folder;
    const std::string unit =
        folder.file("unit.rb", RuleBaseTextBuilder().input({"speed"}).output({"y"}).rule({"sm", "bi"}).text());
    const CommandResult run =
        runZorv({"learn", unit, folder.file("samples.txt", kData), "--approx", "-o", folder.path("out.rb")});
    EXPECT_EQ(run.status, kBadInput);
    EXPECT_EQ(run.err, "error: speed does not contain user defined terms.\n");
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(std::filesystem::exists(folder.path("samples.rules")));
    EXPECT_FALSE(std::filesystem::exists(folder.path("out.rb")));
}

TEST(LearnCommand, AnEmptyDataFileStillWritesTheCarriedOverRules) {
    ScratchFolder folder;
    const CommandResult run = runZorv(
        {"learn", folder.file("unit.rb", approxText()), folder.file("samples.txt", "no numbers\n"), "--approx"});
    EXPECT_EQ(run.status, kSuccess) << run.err;
    EXPECT_EQ(run.out, "0 rules were added.\n");
    EXPECT_EQ(fileText(folder.path("samples.rules")), "lo\thi\t1\n");
}

// The .rules file and -o never replace an input; -o may name the input rule base to learn in place.
TEST(LearnCommand, NeverWritesOverItsInputs) {
    ScratchFolder folder;
    const std::string rules = folder.file("samples.rules", kData);
    const std::string base = folder.file("base.rules", approxText());
    const std::string data = folder.file("base.txt", kData);
    for (const auto& args : std::vector<std::vector<std::string>>{{base, rules, "--approx"},
                                                                 {base, data, "--approx"},
                                                                 {folder.file("unit.rb", approxText()), rules, "--approx",
                                                                  "-o", rules}}) {
        std::vector<std::string> line{"learn"};
        line.insert(line.end(), args.begin(), args.end());
        const CommandResult run = runZorv(line);
        EXPECT_EQ(run.status, kUsage) << run.out;
        EXPECT_NE(run.err.find("nothing was written"), std::string::npos) << run.err;
    }
    EXPECT_EQ(fileText(rules), kData);
    EXPECT_EQ(fileText(base), approxText());

    const std::string unit = folder.file("unit.rb", approxText());
    EXPECT_EQ(runZorv({"learn", unit, folder.file("samples.txt", kData), "--approx", "-o", unit}).status, kSuccess);
    EXPECT_EQ(CRuleBase::Load(unit)->RuleCount(), 4);
}

struct UsageCase {
    std::vector<std::string> args;
    int status;
    const char* errPart;
};

class LearnUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(LearnUsage, IsRefused) {
    ScratchFolder folder;
    std::vector<std::string> args = GetParam().args;
    for (std::string& arg : args) {
        if (arg == "UNIT") arg = folder.file("unit.rb", approxText());
        if (arg == "DATA") arg = folder.file("samples.txt", kData);
    }
    const CommandResult run = runZorv(args);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_NE(run.err.find(GetParam().errPart), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LearnUsage,
    ::testing::Values(UsageCase{{"learn", "UNIT", "DATA"}, kUsage, "give one of --approx and --pentatomy"},
                      UsageCase{{"learn", "UNIT", "DATA", "--approx", "--pentatomy"}, kUsage, "only one"},
                      UsageCase{{"learn", "UNIT", "--approx"}, kUsage, "a rule base file and a data file"},
                      UsageCase{{"learn", "UNIT", "missing.txt", "--approx"}, kUsage, "no such file"},
                      UsageCase{{"learn", "UNIT", "DATA", "--approx", "--fast"}, kUsage, "unknown option"}));

}  // namespace
}  // namespace zorv::cli
