// "zorv tune": fitting a rule base to a data file from the command line.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/CommandDispatcher.h"
#include "cli/ExitCode.h"
#include "cli/TuneCommand.h"
#include "rulebase/CRuleBase.h"
#include "tests/support/CliTestSupport.h"
#include "tests/support/TuningData.h"
#include "text/NumberText.h"

namespace zorv::cli {
namespace {

using test::CommandResult;
using test::example;
using test::linesOf;

class TuneCommandTest : public ::testing::Test {
protected:
    TuneCommandTest() {
        const std::string heater = test::fileText(example("heater.rb"));
        disturbed_ = folder_.file("disturbed.rb", ::zorv::test::DisturbedHeater(heater));
        const auto truth = CRuleBase::LoadFromText(heater, "heater");
        data_ = folder_.file("data.txt", ::zorv::test::DataFileText(::zorv::test::RowsFrom(*truth, 2000, 4)));
        out_ = (folder_ / "tuned.rb").string();
    }

    CommandResult tune(std::vector<std::string> args) const {
        args.insert(args.begin(), {disturbed_, data_});
        return test::runCommand<TuneCommand>(args);
    }

    test::ScratchFolder folder_;
    std::string disturbed_;
    std::string data_;
    std::string out_;
};

TEST_F(TuneCommandTest, BringsTheContextsBackAndWritesAFileThatChecksWithEveryRule) {
    const CommandResult o = tune({"-o", out_, "--validate", "0.2"});
    ASSERT_EQ(o.status, kSuccess) << o.err;
    const auto lines = linesOf(o.out);
    ASSERT_GE(lines.size(), 6u);
    const std::string first = "training rmse: ";
    ASSERT_EQ(lines[0].rfind(first, 0), 0u) << lines[0];
    const std::size_t arrow = lines[0].find(" -> ");
    const double before = *NumberText::parseReal(lines[0].substr(first.size(), arrow - first.size()));
    const double after = *NumberText::parseReal(lines[0].substr(arrow + 4, lines[0].find(' ', arrow + 4) - arrow - 4));
    EXPECT_LE(after, 0.1 * before) << o.out;
    EXPECT_NE(lines[0].find("(1600 rows)"), std::string::npos);
    EXPECT_EQ(lines[1].rfind("hold-out rmse: ", 0), 0u);
    EXPECT_EQ(lines[2].rfind("indoor.low: 14 -> ", 0), 0u);
    EXPECT_EQ(lines.back(), "ended: budget used");

    EXPECT_EQ(test::runZorv({"check", out_}).status, kSuccess);
    EXPECT_EQ(CRuleBase::Load(out_)->Rules(), CRuleBase::Load(disturbed_)->Rules());
    const std::string again = (folder_ / "again.rb").string();
    ASSERT_EQ(tune({"-o", again, "--validate", "0.2"}).status, kSuccess);
    EXPECT_EQ(test::fileText(again), test::fileText(out_));  // the same seed gives the same file
}

TEST_F(TuneCommandTest, RefusesBadInputAndWritesNothing) {
    const std::string broken = folder_.file("broken.txt", "a b c\n12 -20 95\n14 x 72\n");
    const CommandResult row = test::runCommand<TuneCommand>({disturbed_, broken, "-o", out_});
    EXPECT_EQ(row.status, kBadInput);
    EXPECT_NE(row.err.find("broken.txt: row 2: 'x' is not a number"), std::string::npos) << row.err;
    EXPECT_EQ(tune({"--fix", "indoor,attic", "-o", out_}).status, kBadInput);
    EXPECT_EQ(tune({"--bounds", "indoor.middle=1:2", "-o", out_}).status, kBadInput);
    EXPECT_FALSE(std::filesystem::exists(out_));

    for (const std::vector<std::string>& usage :
         {std::vector<std::string>{"--tune", "contexts,everything"}, {"--bounds", "0.5"}, {"--bounds", "indoor.low=3"},
          {"--objective", "median"}, {"--budget", "0"}, {"--validate", "1"}, {"--save-on-interrupt"},
          {"-o", data_}}) {
        EXPECT_EQ(tune(usage).status, kUsage) << usage[0];
    }
    EXPECT_EQ(test::runCommand<TuneCommand>({disturbed_}).status, kUsage);
}

TEST_F(TuneCommandTest, AnInterruptWritesTheBestSoFarOnlyWhenAsked) {
    for (const bool save : {false, true}) {
        int polls = 0;
        TuneCommand command([&polls] { return ++polls > 30; });
        std::vector<std::string> args = {disturbed_, data_, "-o", out_};
        if (save) args.push_back("--save-on-interrupt");
        const CommandResult o = test::runCommand(command, args);
        EXPECT_EQ(o.status, kInterrupted);
        EXPECT_NE(o.out.find("ended: stopped\n"), std::string::npos);
        EXPECT_EQ(std::filesystem::exists(out_), save) << o.err;
        EXPECT_NE(o.err.find(save ? "written to " + out_ : "nothing was written"), std::string::npos) << o.err;
    }
    EXPECT_EQ(CRuleBase::Load(out_)->Rules(), CRuleBase::Load(disturbed_)->Rules());
}

}  // namespace
}  // namespace zorv::cli
