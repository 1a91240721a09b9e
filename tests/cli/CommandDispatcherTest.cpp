#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandDispatcher.h"
#include "cli/ExitCode.h"
#include "tests/support/CliTestSupport.h"
#include "zorv/Version.h"

namespace zorv::cli {
namespace {

using test::CommandResult;
using test::runZorv;

TEST(CommandDispatcher, HelpListsTheCommandsOnTheStandardOutput) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--help"}, {"-h"}, {"help"}}) {
        const CommandResult o = runZorv(args);
        EXPECT_EQ(o.status, kSuccess);
        EXPECT_NE(o.out.find("Usage: zorv <command>"), std::string::npos);
        EXPECT_NE(o.out.find("  expr "), std::string::npos);
        EXPECT_TRUE(o.err.empty());
    }
}

TEST(CommandDispatcher, HelpOfOneCommandEqualsItsOwnHelp) {
    const CommandResult viaHelp = runZorv({"help", "expr"});
    const CommandResult viaOption = runZorv({"expr", "--help"});
    EXPECT_EQ(viaHelp.status, kSuccess);
    EXPECT_EQ(viaOption.status, kSuccess);
    EXPECT_EQ(viaHelp.out, viaOption.out);
    EXPECT_NE(viaHelp.out.find("Usage: zorv expr"), std::string::npos);
}

TEST(CommandDispatcher, VersionNamesTheProject) {
    const CommandResult o = runZorv({"--version"});
    EXPECT_EQ(o.status, kSuccess);
    EXPECT_EQ(o.out, std::string("zorv ") + ZORV_VERSION + "\n");
}

// An output that cannot be written (a full disk, a closed pipe) fails the run, whatever printed to it.
TEST(CommandDispatcher, AFailedOutputIsAnError) {
    const std::string heater = std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb";
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"--version"}, {"check", heater}, {"eval", heater, "16", "-3"}, {"expr", "--help"}}) {
        std::ostream broken(nullptr);
        std::ostringstream err;
        EXPECT_EQ(CommandDispatcher().run(args, broken, err), kUsage) << args.front();
        EXPECT_EQ(err.str(), "error: cannot write to the standard output\n");
    }
}

struct UsageCase {
    std::vector<std::string> args;
    const char* errPart;
};

class DispatcherUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(DispatcherUsage, IsAUsageError) {
    const CommandResult o = runZorv(GetParam().args);
    EXPECT_EQ(o.status, kUsage);
    EXPECT_TRUE(o.out.empty());
    EXPECT_NE(o.err.find(GetParam().errPart), std::string::npos) << o.err;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DispatcherUsage,
    ::testing::Values(UsageCase{{}, "Usage: zorv <command>"}, UsageCase{{"nope"}, "error: unknown command 'nope'"},
                      UsageCase{{"--bogus"}, "error: unknown option '--bogus'"},
                      UsageCase{{"help", "nope"}, "error: unknown command 'nope'"},
                      UsageCase{{"help", "expr", "extra"}, "error: help takes at most one command name"},
                      UsageCase{{""}, "error: unknown command ''"}));

}  // namespace
}  // namespace zorv::cli
