#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/ExitCode.h"
#include "cli/ExprCommand.h"
#include "tests/support/CliTestSupport.h"
#include "text/NumberText.h"

namespace zorv::cli {
namespace {

using test::CommandResult;
using test::linesOf;

CommandResult expr(const std::vector<std::string>& args) {
    return test::runCommand<ExprCommand>(args);
}

// The grid lines of a report: x and mu as read back from their texts.
struct GridPoint {
    double x;
    double mu;
};

std::vector<GridPoint> gridOf(const std::string& report) {
    std::vector<GridPoint> points;
    for (const auto& line : linesOf(report)) {
        const auto tab = line.find('\t');
        if (tab == std::string::npos) {
            continue;
        }
        points.push_back({NumberText::parseReal(line.substr(0, tab)).value(), NumberText::parseReal(line.substr(tab + 1)).value()});
    }
    return points;
}

TEST(ExprCommand, ReportsTextFormSpecificityAndTheGrid) {
    const CommandResult o = expr({"very small or (medium and not big)"});
    ASSERT_EQ(o.status, kSuccess) << o.err;
    EXPECT_TRUE(o.err.empty());
    const auto lines = linesOf(o.out);
    ASSERT_EQ(lines.size(), 3u + 301u);
    EXPECT_EQ(lines[0], "text: very small or (medium and no big)");
    EXPECT_EQ(lines[1], "form: compound");
    EXPECT_EQ(lines[2], "specificity: 30");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lines[static_cast<std::size_t>(i)].find('\t'), std::string::npos);
    }
}

TEST(ExprCommand, GridRunsFromLowToHighInEqualSteps) {
    for (const auto& [low, high, n] : {std::tuple{0.0, 1.0, 301}, std::tuple{-3.0, 7.0, 7}, std::tuple{0.1, 0.3, 2}}) {
        const CommandResult o = expr({"--context", NumberText::shortest(low), NumberText::shortest(high), "--discretization",
                                std::to_string(n), "--vocabulary", "triang", "undef"});
        ASSERT_EQ(o.status, kSuccess) << o.err;
        const auto grid = gridOf(o.out);
        ASSERT_EQ(grid.size(), static_cast<std::size_t>(n));
        for (int j = 0; j < n; ++j) {
            const double expected = j == n - 1 ? high : low + j * (high - low) / (n - 1);
            EXPECT_EQ(grid[static_cast<std::size_t>(j)].x, expected) << "point " << j;
            EXPECT_EQ(grid[static_cast<std::size_t>(j)].mu, 1.0);
        }
    }
    // A context near the largest doubles: the points stay finite and ascending.
    const auto wide = gridOf(expr({"--context", "0", "1e306", "sm"}).out);
    ASSERT_EQ(wide.size(), 301u);
    for (std::size_t j = 1; j < wide.size(); ++j) EXPECT_LT(wide[j - 1].x, wide[j].x) << "point " << j;
    EXPECT_EQ(wide.back().x, 1e306);
}

TEST(ExprCommand, DegreesOfSmallOnAShortGrid) {
    const CommandResult o = expr({"--discretization", "21", "sm"});
    ASSERT_EQ(o.status, kSuccess) << o.err;
    const auto lines = linesOf(o.out);
    EXPECT_EQ(lines[0], "text: small");
    EXPECT_EQ(lines[1], "form: sm");
    EXPECT_EQ(lines[2], "specificity: 19");
    EXPECT_EQ(lines[3], "0\t1");
    EXPECT_EQ(lines[4], "0.05\t1");
    EXPECT_EQ(lines.back(), "1\t0");
    for (const auto& p : gridOf(o.out)) {
        EXPECT_GE(p.mu, 0.0);
        EXPECT_LE(p.mu, 1.0);
    }
}

struct FormCase {
    std::vector<std::string> args;
    const char* text;
    const char* form;
    const char* specificity;
};

class ExprForms : public ::testing::TestWithParam<FormCase> {};

TEST_P(ExprForms, NamesTheKindOfExpression) {
    const CommandResult o = expr(GetParam().args);
    ASSERT_EQ(o.status, kSuccess) << o.err;
    const auto lines = linesOf(o.out);
    EXPECT_EQ(lines[0], std::string("text: ") + GetParam().text);
    EXPECT_EQ(lines[1], std::string("form: ") + GetParam().form);
    EXPECT_EQ(lines[2], std::string("specificity: ") + GetParam().specificity);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ExprForms,
    ::testing::Values(
        FormCase{{"about 0.5"}, "about 0.5", "number", "8"}, FormCase{{"undef"}, "undef", "undef", "65"},
        FormCase{{"vr sm"}, "very roughly small", "vr sm", "28"}, FormCase{{"ro ze"}, "roughly zero", "ro ze", "12"},
        FormCase{{"--context", "-1", "1", "--", "-ex sm"}, "-extremely small", "-ex sm", "12"},
        FormCase{{"--user-term", "warm", "triang", "0.2", "0.5", "0.8", "warm"}, "warm", "user term", "10"},
        FormCase{{"--user-term", "a", "trapezoid", "0", "0.1", "0.2", "0.3", "--user-term", "b", "gaussian", "0.1",
                  "0.4", "0.5", "0.2", "a or b"},
                 "a or b", "compound", "30"}));

TEST(ExprCommand, UserTermPeaksWhereItsShapeDoes) {
    const CommandResult o = expr({"--discretization", "11", "--user-term", "warm", "triang", "0.2", "0.5", "0.8", "warm"});
    ASSERT_EQ(o.status, kSuccess) << o.err;
    const auto grid = gridOf(o.out);
    ASSERT_EQ(grid.size(), 11u);
    EXPECT_DOUBLE_EQ(grid[5].mu, 1.0);
    EXPECT_EQ(grid[1].mu, 0.0);
    EXPECT_EQ(grid[9].mu, 0.0);
}

TEST(ExprCommand, LingParamsReshapeSmall) {
    const CommandResult standard = expr({"--discretization", "11", "sm"});
    const CommandResult wider = expr({"--discretization", "11", "--lingparams", "0.1", "0.304", "0.4", "0.94", "sm"});
    ASSERT_EQ(wider.status, kSuccess) << wider.err;
    EXPECT_EQ(gridOf(wider.out)[1].mu, 1.0);  // the kernel of small now reaches 0.1
    EXPECT_LT(gridOf(standard.out)[1].mu, 1.0);
}

TEST(ExprCommand, LinearFormsGiveTheCoefficients) {
    EXPECT_EQ(expr({"--vocabulary", "linc", "--inputs", "2", "2.5 + x1 - 0.3*x2"}).out, "coefficients: 2.5 1 -0.3\n");
    EXPECT_EQ(expr({"--vocabulary", "linc", "x1"}).out, "coefficients: 0 1\n");
    EXPECT_EQ(expr({"--vocabulary", "linc", "--inputs", "0", "--", "-7"}).out, "coefficients: -7\n");
    EXPECT_EQ(expr({"--vocabulary", "linc", ""}).out, "coefficients: 0 0\n");
}

struct FailCase {
    std::vector<std::string> args;
    int status;
    const char* err;
};

class ExprFailures : public ::testing::TestWithParam<FailCase> {};

TEST_P(ExprFailures, PrintAnErrorAndNothingElse) {
    const CommandResult o = expr(GetParam().args);
    EXPECT_EQ(o.status, GetParam().status) << o.err;
    EXPECT_TRUE(o.out.empty()) << o.out;
    EXPECT_EQ(o.err.rfind(std::string("error: ") + GetParam().err, 0), 0u) << o.err;
}

INSTANTIATE_TEST_SUITE_P(
    BadExpressions, ExprFailures,
    ::testing::Values(
        FailCase{{"small big"}, kBadInput, "parse error at position 6\n"},
        FailCase{{"very medium"}, kBadInput, "parse error at position 5\n"},
        FailCase{{"--context", "0", "10", "about 12"}, kBadInput, "fuzzy number out of context\n"},
        FailCase{{"--context", "0", "10", "about 12 and small"}, kBadInput, "fuzzy number out of context"},
        FailCase{{"--context", "0", "10", "--", "-small"}, kBadInput, "negative term is not allowed in this context"},
        FailCase{{"--", "--help"}, kBadInput, ""},
        FailCase{{"--vocabulary", "linc", "--inputs", "2", "x3"}, kBadInput,
                 "index x3 exceeds the number of input variables (2)\n"},
        FailCase{{"--vocabulary", "linc", "x1 + x1"}, kBadInput, "each index should occure only once\n"},
        FailCase{{"--vocabulary", "linc", "x1 +"}, kBadInput, "unexpected end\n"}));

INSTANTIATE_TEST_SUITE_P(
    UnderstoodButWrongValues, ExprFailures,
    ::testing::Values(
        FailCase{{"--context", "1", "0", "sm"}, kBadInput, "--context: LOW must be less than HIGH"},
        FailCase{{"--context", "1", "1", "sm"}, kBadInput, "--context: LOW must be less than HIGH"},
        FailCase{{"--context", "-1e308", "1e308", "sm"}, kBadInput, "--context: the context is too wide"},
        FailCase{{"--discretization", "1", "sm"}, kBadInput, "--discretization: the number of points"},
        FailCase{{"--discretization", "-5", "sm"}, kBadInput, "--discretization: the number of points"},
        FailCase{{"--discretization", "1000001", "sm"}, kBadInput, "--discretization: the number of points"},
        FailCase{{"--lingparams", "0.3", "0.2", "0.4", "0.9", "sm"}, kBadInput, "--lingparams: the four values"},
        FailCase{{"--lingparams", "0.1", "0.2", "0.3", "1.5", "sm"}, kBadInput, "--lingparams: the four values"},
        FailCase{{"--lingparams", "0.1", "0.2", "0.2", "0.9", "sm"}, kBadInput, "--lingparams: the four values"},
        FailCase{{"--user-term", "w", "triang", "0.5", "0.2", "0.8", "w"}, kBadInput,
                 "--user-term w: parameter 2 (0.2) is less than the previous one"},
        FailCase{{"--user-term", "w", "triang", "0.2", "0.5", "1.5", "w"}, kBadInput,
                 "--user-term w: parameter 3 (1.5) is out of the context"},
        FailCase{{"--user-term", "w", "gaussian", "0", "0.2", "0.4", "0.1", "w"}, kBadInput,
                 "--user-term w: the widths"},
        FailCase{{"--user-term", "w", "gaussian", "0.1", "0.4", "0.2", "0.1", "w"}, kBadInput,
                 "--user-term w: parameter 3 (0.2) is less than the previous one"},
        FailCase{{"--user-term", "w", "gaussian", "5", "0.4", "1.2", "5", "w"}, kBadInput,
                 "--user-term w: parameter 3 (1.2) is out of the context"},
        FailCase{{"--user-term", "1w", "triang", "0", "0", "0", "sm"}, kBadInput, "--user-term 1w: a name is a word"},
        FailCase{{"--user-term", "a b", "triang", "0", "0", "0", "sm"}, kBadInput, "--user-term a b: a name is a word"},
        FailCase{{"--user-term", "w", "triang", "0", "0", "0", "--user-term", "w", "triang", "0", "0", "0", "w"},
                 kBadInput, "--user-term w: the name is given twice"},
        FailCase{{"--vocabulary", "linc", "--inputs", "-1", "1"}, kBadInput, "--inputs: the number"}));

INSTANTIATE_TEST_SUITE_P(
    CommandLinesNotUnderstood, ExprFailures,
    ::testing::Values(
        FailCase{{}, kUsage, "missing expression text"}, FailCase{{"--context", "0", "5"}, kUsage, "missing expression"},
        FailCase{{"sm", "bi"}, kUsage, "more than one expression text"},
        FailCase{{"-sm"}, kUsage, "unknown option '-sm'"}, FailCase{{"--bogus", "sm"}, kUsage, "unknown option '--bogus'"},
        FailCase{{"--context"}, kUsage, "--context: missing value"},
        FailCase{{"--context", "0"}, kUsage, "--context: missing value"},
        FailCase{{"--context", "a", "1", "sm"}, kUsage, "--context: 'a' is not a finite number"},
        FailCase{{"--context", "nan", "1", "sm"}, kUsage, "--context: 'nan' is not a finite number"},
        FailCase{{"--context", "0", "inf", "sm"}, kUsage, "--context: 'inf' is not a finite number"},
        FailCase{{"--discretization"}, kUsage, "--discretization: missing value"},
        FailCase{{"--discretization", "1.5", "sm"}, kUsage, "--discretization: '1.5' is not an integer"},
        FailCase{{"--discretization", "99999999999999999999", "sm"}, kUsage, "--discretization: '9"},
        FailCase{{"--vocabulary"}, kUsage, "--vocabulary: missing value"},
        FailCase{{"--vocabulary", "nope", "sm"}, kUsage, "--vocabulary: unknown vocabulary 'nope'"},
        FailCase{{"--lingparams", "0.1", "0.2", "0.3"}, kUsage, "--lingparams: missing value"},
        FailCase{{"--user-term"}, kUsage, "--user-term: missing value"},
        FailCase{{"--user-term", "w"}, kUsage, "--user-term w: missing value"},
        FailCase{{"--user-term", "w", "blob", "1", "sm"}, kUsage, "--user-term w: unknown type 'blob'"},
        FailCase{{"--user-term", "w", "triang", "0.1", "0.2"}, kUsage, "--user-term w triang: needs 3 parameters"},
        FailCase{{"--user-term", "w", "triang", "0.1", "x", "0.3", "w"}, kUsage, "--user-term w triang: 'x' is not"},
        FailCase{{"--vocabulary", "triang", "--lingparams", "0.1", "0.2", "0.3", "0.4", "sm"}, kUsage,
                 "--lingparams applies to the linguistic vocabulary only"},
        FailCase{{"--inputs", "2", "sm"}, kUsage, "--inputs applies to the linc vocabulary only"},
        FailCase{{"--vocabulary", "linc", "--discretization", "5", "x1"}, kUsage, "--discretization does not apply"},
        FailCase{{"--vocabulary", "linc", "--user-term", "w", "triang", "0", "0", "0", "x1"}, kUsage,
                 "--user-term does not apply"},
        FailCase{{"--inputs", "1.5", "--vocabulary", "linc", "x1"}, kUsage, "--inputs: '1.5' is not an integer"}));

TEST(ExprCommand, UsageErrorsPointToTheHelp) {
    EXPECT_NE(expr({"--bogus", "sm"}).err.find("Try 'zorv expr --help'."), std::string::npos);
    EXPECT_EQ(expr({"small big"}).err.find("Try"), std::string::npos);
}

TEST(ExprCommand, HelpWinsAndDocumentsTheExitStatus) {
    const CommandResult o = expr({"--context", "5", "--help"});
    EXPECT_EQ(o.status, kSuccess);
    EXPECT_NE(o.out.find("Exit status"), std::string::npos);
    EXPECT_NE(o.out.find("coefficients:"), std::string::npos);
}

}  // namespace
}  // namespace zorv::cli
