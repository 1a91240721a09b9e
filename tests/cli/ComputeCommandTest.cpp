// "zorv compute": the data table run from the command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/ComputeCommand.h"
#include "cli/ExitCode.h"
#include "rulebase/CRuleBase.h"
#include "tests/support/CliTestSupport.h"
#include "text/NumberText.h"

namespace zorv::cli {
namespace {

using test::CommandResult;
using test::example;
using test::linesOf;

CommandResult compute(const std::vector<std::string>& args) {
    return test::runCommand<ComputeCommand>(args);
}

class ComputeCommandTest : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& text) const { return folder_.file(name, text); }

    test::ScratchFolder folder_;
};



TEST_F(ComputeCommandTest, PrintsEveryRowAndTheLargestError) {
    const std::string data = write("d.txt", "indoor outdoor power\n12 -20 95\n20,5 -5 40\n5 -30 100\n");
    const CommandResult o = compute({example("heater.rb"), data, "--ling-approx"});
    ASSERT_EQ(o.status, kSuccess) << o.err;
    EXPECT_EQ(o.err, data + ": 3 rows succesfully imported\n");
    const auto unit = CRuleBase::Load(example("heater.rb"));
    const double row1[] = {12, -20};
    const double row2[] = {20.5, -5};
    const double row3[] = {10, -25};  // clamped
    const double v1 = unit->Evaluate(row1);
    const double v2 = unit->Evaluate(row2);
    const double v3 = unit->Evaluate(row3);
    const auto lines = linesOf(o.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "12\t-20\t95\t" + NumberText::shortest(v1) + "\textremely big");
    EXPECT_EQ(lines[1].substr(0, lines[1].rfind('\t')), "20.5\t-5\t40\t" + NumberText::shortest(v2));
    EXPECT_EQ(lines[2].substr(0, lines[2].rfind('\t')), "5\t-30\t100\t" + NumberText::shortest(v3));
    const double largest = std::max({std::fabs(95 - v1), std::fabs(40 - v2), std::fabs(100 - v3)});
    EXPECT_EQ(lines[3], "Max. Error: " + NumberText::shortest(largest));
}

TEST_F(ComputeCommandTest, WritesTheOutputFileThatImportsAgain) {
    const std::string out = (folder_ / "fan.out").string();
    const CommandResult o = compute({example("fan.rb"), example("fan.txt"), "-o", out});
    ASSERT_EQ(o.status, kSuccess) << o.err;
    std::ifstream in(out);
    const auto lines = linesOf(std::string(std::istreambuf_iterator<char>(in), {}));
    ASSERT_EQ(lines.size(), 2u + 9u);
    EXPECT_EQ(lines[0], "temperature\tload\test.\tfan_speed\t");
    EXPECT_EQ(lines[1], "<20,00, 100,00>\t<0,00, 100,00>\t<0,00, 5000,00>\t<0,00, 5000,00>\t");
    EXPECT_EQ(lines[2], "25\t5\t600\t600,000000\t");

    const CommandResult again = compute({example("fan.rb"), out});
    ASSERT_EQ(again.status, kSuccess) << again.err;
    EXPECT_EQ(again.out, o.out);
}

TEST_F(ComputeCommandTest, StopsAtARowThatIsNotANumber) {
    const std::string data = write("d.txt", "12 -20 95\n\n20 -5 40\n");
    const CommandResult o = compute({example("heater.rb"), data});
    EXPECT_EQ(o.status, kBadInput);
    EXPECT_EQ(linesOf(o.out).size(), 2u);  // one row and its Max. Error
    EXPECT_NE(o.err.find("row 2: indoor '' is not a number"), std::string::npos);

    // A crafted cell is quoted short and without the control bytes a terminal would act on.
    const std::string crafted = write("c.txt", "9\x1b]0;title\x07" + std::string(100000, 'x') + " -5 40\n");
    const CommandResult c = compute({example("heater.rb"), crafted});
    EXPECT_EQ(c.status, kBadInput);
    EXPECT_NE(c.err.find("row 1: indoor '9?]0;title?xxx"), std::string::npos) << c.err;
    EXPECT_EQ(c.err.find('\x1b'), std::string::npos);
    EXPECT_LT(c.err.size(), 500u);
}

TEST_F(ComputeCommandTest, RowsWithoutExpectedValueAreComputedWithoutAnError) {
    const std::string data = write("d.txt", "12 -20\n20 -5\n");
    const CommandResult o = compute({example("heater.rb"), data});
    EXPECT_EQ(o.status, kSuccess) << o.err;
    EXPECT_EQ(linesOf(o.out).size(), 2u);
    EXPECT_NE(o.err.find("no Max. Error"), std::string::npos);
}

TEST_F(ComputeCommandTest, ReportsPartialImportsAndRefusesBadCommandLines) {
    const std::string data = write("long.txt", "12 -20 95\n" + std::string((1 << 20) + 10, '1') + "\n");
    const CommandResult partial = compute({example("heater.rb"), data});
    EXPECT_EQ(partial.status, kBadInput);
    EXPECT_EQ(linesOf(partial.out).size(), 2u);
    EXPECT_NE(partial.err.find("1 rows succesfully imported, remaining skipped!"), std::string::npos);
    EXPECT_NE(partial.err.find("line 2 is longer than 1048576 bytes"), std::string::npos);

    const std::vector<std::vector<std::string>> usage = {
        {},
        {example("heater.rb")},
        {example("heater.rb"), example("heater.txt"), "extra"},
        {example("heater.rb"), example("heater.txt"), "-o"},
        {example("heater.rb"), example("heater.txt"), "--bogus"},
        {example("heater.rb"), (folder_ / "none.txt").string()},
        {(folder_ / "none.rb").string(), example("heater.txt")},
        {example("heater.rb"), example("heater.txt"), "-o", folder_.root().string()},
    };
    for (const auto& args : usage) {
        EXPECT_EQ(compute(args).status, kUsage) << (args.empty() ? "" : args.back());
    }
    EXPECT_EQ(compute({"-h"}).out.rfind("Usage: zorv compute", 0), 0u);

    // An empty file name is called so, for the data and for -o.
    for (const auto& [args, verb] : {std::pair{std::vector<std::string>{example("heater.rb"), ""}, "open"},
                                     std::pair{std::vector<std::string>{example("heater.rb"), example("heater.txt"),
                                                                        "-o", ""}, "write"}}) {
        const CommandResult empty = compute(args);
        EXPECT_EQ(empty.status, kUsage);
        EXPECT_NE(empty.err.find(std::string("error: cannot ") + verb + " '': the file name is empty"), std::string::npos)
            << empty.err;
    }

    const std::string input = write("input.txt", "12 -20 95\n");
    EXPECT_EQ(compute({example("heater.rb"), input, "-o", input}).status, kUsage);
    std::ifstream kept(input);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "12 -20 95\n");
}

TEST_F(ComputeCommandTest, RowsGiveTheSameOutputOnAnyNumberOfJobs) {
    std::string rows = "indoor outdoor power\n";
    for (int i = 0; i < 5000; ++i) rows += std::to_string(8 + i % 25) + " " + std::to_string(-30 + i % 47) + " 50\n";
    rows += "12 x 50\n15 0 50\n";
    const std::string data = write("d.txt", rows);
    const CommandResult one = compute({example("heater.rb"), data, "--jobs", "1", "--ling-approx"});
    EXPECT_EQ(one.status, kBadInput);
    EXPECT_EQ(linesOf(one.out).size(), 5001u);  // the rows before the bad one and their largest error
    for (const char* jobs : {"2", "3"}) {
        const CommandResult many = compute({example("heater.rb"), data, "-j", jobs, "--ling-approx"});
        EXPECT_EQ(many.status, one.status);
        EXPECT_EQ(many.out, one.out);
        EXPECT_EQ(many.err, one.err);
    }
}

TEST_F(ComputeCommandTest, ALinguisticRuleBaseNamingTheTakagiSugenoInferenceIsRefused) {
    const std::string ruleBase = write("ts.rb", test::withInferenceMethod(example("heater.rb"), "LLinCInfCrisp"));
    const CommandResult o = compute({ruleBase, write("d.txt", "indoor outdoor power\n12 -20 95\n")});
    EXPECT_EQ(o.status, kBadInput);
    EXPECT_TRUE(o.out.empty()) << o.out;
    EXPECT_NE(o.err.find("error: "), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("Takagi-Sugeno inference needs"), std::string::npos) << o.err;
}

}  // namespace
}  // namespace zorv::cli
