#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/RuleBaseTextBuilder.h"
#include "tests/support/CliTestSupport.h"
#include "cli/ExitCode.h"
#include "text/NumberText.h"

namespace zorv::cli {
namespace {

using test::CommandResult;
using test::fields;
using test::fileText;
using test::ScratchFolder;
using test::linesOf;
using test::runZorv;

std::string unitText() {
    return ::zorv::test::RuleBaseTextBuilder()
        .input({"x", 0.0, 10.0})
        .output({"y", 0.0, 10.0})
        .rule({"sm", "bi"})
        .text();
}

double number(const std::string& text) {
    const auto value = NumberText::parseReal(text);
    EXPECT_TRUE(value) << "'" << text << "' is not a number";
    return value.value_or(0.0);
}

// Two triangular nodes on <0, 10>: the rows (0, 0), (5, 5) and (10, 10) give the components
// F0 = 2.5 / 1.5 and F1 = 12.5 / 1.5, so the reconstruction is 5/3, 5 and 25/3.
TEST(FTransformSubcommand, PrintsEveryRowsReconstructionAndTheLargestError) {
    ScratchFolder folder;
    const CommandResult run = runZorv({"ftransform", folder.file("unit.rb", unitText()),
                                       folder.file("d.txt", "x y\n0 0\n5 5\n10 10\n"), "--nodes", "2"});
    ASSERT_EQ(run.status, kSuccess) << run.err;
    const auto output = linesOf(run.out);
    ASSERT_EQ(output.size(), 4u);
    const double expected[][3] = {{0, 0, 5.0 / 3}, {5, 5, 5}, {10, 10, 25.0 / 3}};
    for (std::size_t r = 0; r < 3; ++r) {
        const auto f = fields(output[r]);
        ASSERT_EQ(f.size(), 3u) << output[r];
        for (std::size_t c = 0; c < 3; ++c) EXPECT_NEAR(number(f[c]), expected[r][c], 1e-12) << output[r];
    }
    ASSERT_EQ(output[3].rfind("Max. Error: ", 0), 0u);
    EXPECT_NEAR(number(output[3].substr(12)), 5.0 / 3, 1e-12);
}

TEST(FTransformSubcommand, AnUnreadableRowGetsNoReconstruction) {
    ScratchFolder folder;
    const CommandResult run =
        runZorv({"ftransform", folder.file("unit.rb", unitText()), folder.file("d.txt", "1 1\n2 abc\n3 3\n")});
    ASSERT_EQ(run.status, kSuccess) << run.err;
    EXPECT_EQ(linesOf(run.out)[1], "2\tabc\t");
    // With no row to fit, nothing is printed or written, and the command fails.
    const std::string ftv = folder.path("out.ftv");
    const CommandResult none = runZorv({"ftransform", folder.path("unit.rb"),
                                        folder.file("bad.txt", "1 inf\n2 abc\n1e999 3\n"), "--ftv", ftv});
    EXPECT_EQ(none.status, kBadInput);
    EXPECT_TRUE(none.out.empty()) << none.out;
    EXPECT_NE(none.err.find("no data row can be read"), std::string::npos) << none.err;
    EXPECT_FALSE(std::filesystem::exists(ftv));
}

TEST(FTransformSubcommand, WritesTheFTVectorFileOnRequest) {
    ScratchFolder folder;
    const std::string ftv = folder.path("out.ftv");
    const CommandResult run =
        runZorv({"ftransform", folder.file("unit.rb", unitText()), folder.file("d.txt", "1 1\n9 9\n"), "--nodes", "3",
                 "--shape", "sinusoidal", "--ftv", ftv});
    ASSERT_EQ(run.status, kSuccess) << run.err;
    EXPECT_NE(fileText(ftv).find("sinusoidal"), std::string::npos) << fileText(ftv);
}

TEST(FTransformSubcommand, OptimizeReportsTheNodeCountFound) {
    ScratchFolder folder;
    std::string data;
    for (int i = 0; i <= 20; ++i) data += std::to_string(i * 0.5) + " " + std::to_string(i * 0.5) + "\n";
    const CommandResult run =
        runZorv({"ftransform", folder.file("unit.rb", unitText()), folder.file("d.txt", data), "--optimize", "1"});
    ASSERT_EQ(run.status, kSuccess) << run.err;
    EXPECT_NE(run.err.find("Nodes: "), std::string::npos) << run.err;
    const auto output = linesOf(run.out);
    EXPECT_LT(number(output.back().substr(12)), 1.0);
}

struct UsageCase {
    std::vector<std::string> options;
    const char* errPart;
};

class FTransformUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(FTransformUsage, IsAUsageError) {
    ScratchFolder folder;
    std::vector<std::string> args{"ftransform", folder.file("unit.rb", unitText()), folder.file("d.txt", "1 1\n")};
    args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
    const CommandResult run = runZorv(args);
    EXPECT_EQ(run.status, kUsage);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find(GetParam().errPart), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Lines, FTransformUsage,
                         ::testing::Values(UsageCase{{"--nodes", "1"}, "not a node count"},
                                           UsageCase{{"--nodes", "3,4"}, "1 input variable(s), 2 node count(s)"},
                                           UsageCase{{"--nodes", "3,"}, "not a node count"},
                                           UsageCase{{"--shape", "round"}, "'round' is not one of"},
                                           UsageCase{{"--optimize", "nan"}, "not a finite number"},
                                           UsageCase{{"--ftv"}, "missing value"}));

TEST(DataCommands, AnEmptyDataFileHasNoDataRows) {
    ScratchFolder folder;
    for (const char* command : {"compute", "ftransform"}) {
        const std::string data = folder.file("d.txt", "only a header\n");
        const CommandResult run = runZorv({command, folder.file("unit.rb", unitText()), data});
        EXPECT_EQ(run.status, kBadInput) << command;
        EXPECT_TRUE(run.out.empty()) << command;
        EXPECT_NE(run.err.find("error: " + data + ": no data rows\n"), std::string::npos) << run.err;
    }
}

TEST(FTransformSubcommand, AnUnwritableFTVectorFileIsAnIoError) {
    ScratchFolder folder;
    const CommandResult run = runZorv({"ftransform", folder.file("unit.rb", unitText()), folder.file("d.txt", "1 1\n"),
                                       "--ftv", folder.path("no/such/out.ftv")});
    EXPECT_EQ(run.status, kUsage);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos);
}

}  // namespace
}  // namespace zorv::cli
