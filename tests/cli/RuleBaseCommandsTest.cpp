// "zorv new" and "zorv check".
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CheckCommand.h"
#include "cli/ExitCode.h"
#include "cli/NewCommand.h"
#include "tests/support/CliTestSupport.h"
#include "tests/support/RuleBaseTextBuilder.h"

namespace zorv::cli {
namespace {

using test::CommandResult;
using test::example;
using test::runCommand;

class RuleBaseCommands : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& text) const { return folder_.file(name, text); }

    test::ScratchFolder folder_;
};

TEST_F(RuleBaseCommands, NewWritesARuleBaseThatChecksBackWithTheDefaults) {
    const std::string linguistic = (folder_ / "l.rb").string();
    CommandResult o = runCommand<NewCommand>({"-o", linguistic});
    ASSERT_EQ(o.status, kSuccess) << o.err;
    o = runCommand<CheckCommand>({linguistic});
    ASSERT_EQ(o.status, kSuccess) << o.err;
    EXPECT_EQ(o.out,
              "type: linguistic\n"
              "inference: Perception-based Logical Deduction\n"
              "defuzzification: Simple Defuzzification of Linguistic Expressions (DEE)\n"
              "fuzzy transform filter: off\n"
              "input 1: X\n  settings: linguistic\n  context: <0, 1>\n  discretization: 301\n"
              "  lingparams: 0.05 0.304 0.4 0.94\n"
              "output 1: Y\n  settings: linguistic\n  context: <0, 1>\n  discretization: 301\n"
              "  lingparams: 0.05 0.304 0.4 0.94\n"
              "rules: 1 (0 disabled)\n");

    const std::string singleton = (folder_ / "s.rb").string();
    ASSERT_EQ(runCommand<NewCommand>({"--type", "singleton", "--output", singleton}).status, kSuccess);
    o = runCommand<CheckCommand>({singleton});
    ASSERT_EQ(o.status, kSuccess) << o.err;
    EXPECT_NE(o.out.find("type: singleton\ninference: Takagi-Sugeno Inference\n"), std::string::npos);
    EXPECT_NE(o.out.find("output 1: Y\n  settings: linc\n"), std::string::npos);
}

TEST_F(RuleBaseCommands, NewRefusesBadArgumentsAndKeepsExistingFiles) {
    const std::string existing = write("kept.rb", "mine");
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{}, kUsage},
        {{"--type", "takagi_sugeno", "-o", (folder_ / "x.rb").string()}, kUsage},
        {{"--type"}, kUsage},
        {{"-o"}, kUsage},
        {{"extra", "-o", (folder_ / "x.rb").string()}, kUsage},
        {{"-o", existing}, kUsage},
        {{"-o", (folder_ / "no" / "such" / "folder.rb").string()}, kUsage},
    };
    for (const auto& c : cases) {
        const CommandResult o = runCommand<NewCommand>(c.args);
        EXPECT_EQ(o.status, c.status) << (c.args.empty() ? "" : c.args[0]);
        EXPECT_NE(o.err.find("error: "), std::string::npos);
    }
    std::ifstream in(existing);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "mine");
    EXPECT_EQ(runCommand<NewCommand>({"--force", "-o", existing}).status, kSuccess);
}

TEST_F(RuleBaseCommands, CheckSummarisesAliasesUserTermsAndDisabledRules) {
    const std::string file = write("alias.rb", R"(TypeOfDescription=linguistic
InfMethod=LLogInfCrisp
DefuzzMethod=MOM
UseFuzzyFilter=false
NumberOfAntecedentVariables=2
NumberOfSuccedentVariables=1
NumberOfRules=2
AntVariable1
 name=a
 settings=linguistic
 context=<-2,2>
 discretization=51
 UserTerm
  name=mid, middle
  type=triang
  parameters= -1 0 1
 End_UserTerm
End_AntVariable1
AntVariable2
 name=b
 settings=alias(a)
End_AntVariable2
SucVariable1
 name=y
 settings=triang
 context=<0,10>
End_SucVariable1
RULES
 "mid" "-sm" | "me"
#"+bi" "ze" | "bi"
END_RULES
)");
    const CommandResult o = runCommand<CheckCommand>({file});
    ASSERT_EQ(o.status, kSuccess) << o.err;
    EXPECT_NE(o.out.find("inference: Fuzzy Approximation (CNF)\ndefuzzification: Mean Of Maxima (MOM)\n"),
              std::string::npos);
    EXPECT_NE(o.out.find("input 1: a\n  settings: linguistic\n  context: <-2, 2>\n  discretization: 51\n"),
              std::string::npos);
    EXPECT_NE(o.out.find("  user term: mid, middle = triang -1 0 1\n"), std::string::npos);
    EXPECT_NE(o.out.find("input 2: b\n  settings: alias(a), linguistic\n  context: <-2, 2>\n"), std::string::npos);
    EXPECT_NE(o.out.find("output 1: y\n  settings: triang\n  context: <0, 10>\n  discretization: 51\n"),
              std::string::npos);
    EXPECT_NE(o.out.find("rules: 2 (1 disabled)\n"), std::string::npos);
}

TEST_F(RuleBaseCommands, CheckReportsSyntaxErrorsWithTheFirstLineOfTheirContext) {
    const std::string file = write("bad.rb", R"(TypeOfDescription=fuzzy logic
InfMethod=Logical_Deduction
END_RULES
)");
    const CommandResult o = runCommand<CheckCommand>({file});
    EXPECT_EQ(o.status, kBadInput);
    EXPECT_TRUE(o.out.empty());
    EXPECT_EQ(o.err, file + ":1:19: Syntax error: unknown type of description \nfuzzy logic\n");

    const std::string notRuleBase = write("junk.rb", std::string("\x01\x02 no rules here\n", 18));
    const CommandResult junk = runCommand<CheckCommand>({notRuleBase});
    EXPECT_EQ(junk.status, kBadInput);
    EXPECT_EQ(junk.err.rfind(notRuleBase + ": Syntax error: bad file type", 0), 0u);

    // A rule cell that does not read is found by line and column, also in a CRLF file.
    std::string crlf;
    for (const char c : ::zorv::test::RuleBaseTextBuilder().input({"x"}).output({"y"}).rule({"sm", "ve me"}).text()) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const std::string badRule = write("rule.rb", crlf);
    const auto line = 1 + std::count(crlf.begin(), crlf.begin() + static_cast<long>(crlf.find("ve me")), '\n');
    const CommandResult cell = runCommand<CheckCommand>({badRule});
    // Column 13 of ' "sm" | "ve me"' is "me", which "ve" cannot sharpen.
    EXPECT_EQ(cell.err, badRule + ":" + std::to_string(line) + ":13: Syntax error: atomic term expected\nve me\"\n");
}

TEST_F(RuleBaseCommands, CheckWarnsOfACorrectedRuleCountAndAMethodThatDoesNotFit) {
    std::ifstream in(example("heater.rb"));
    std::string text(std::istreambuf_iterator<char>(in), {});
    text.replace(text.find("NumberOfRules=10"), 16, "NumberOfRules=12");
    const CommandResult o = runCommand<CheckCommand>({write("count.rb", text)});
    EXPECT_EQ(o.status, kSuccess);
    EXPECT_NE(o.err.find("NumberOfRules=12"), std::string::npos);
    EXPECT_NE(o.out.find("rules: 10 (1 disabled)"), std::string::npos);

    text.replace(text.find("InfMethod=Logical_Deduction"), 27, "InfMethod=Takagi-Sugeno Inference");
    const CommandResult refused = runCommand<CheckCommand>({write("ts.rb", text)});
    EXPECT_EQ(refused.status, kSuccess);
    EXPECT_NE(refused.err.find("warning: The Takagi-Sugeno inference needs"), std::string::npos) << refused.err;
}

TEST_F(RuleBaseCommands, CheckRefusesMissingFilesAndBadCommandLines) {
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{(folder_ / "missing.rb").string()}, kUsage},
        {{folder_.root().string()}, kUsage},
        {{}, kUsage},
        {{"--verbose", example("heater.rb")}, kUsage},
        {{example("heater.rb"), example("fan.rb")}, kUsage},
    };
    for (const auto& c : cases) {
        const CommandResult o = runCommand<CheckCommand>(c.args);
        EXPECT_EQ(o.status, c.status);
        EXPECT_EQ(o.err.rfind("error: ", 0), 0u) << o.err;
        EXPECT_TRUE(o.out.empty());
    }
    EXPECT_EQ(runCommand<CheckCommand>({"--help"}).out.rfind("Usage: zorv check", 0), 0u);
    EXPECT_EQ(runCommand<NewCommand>({"--help"}).out.rfind("Usage: zorv new", 0), 0u);
}

}  // namespace
}  // namespace zorv::cli
