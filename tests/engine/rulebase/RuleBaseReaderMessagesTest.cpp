#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RuleBaseTestSupport.h"
#include "fuzzy/expression/ESyntax.h"

namespace zorv::test {
namespace {

struct MessageCase {
    std::string name;
    std::string message;
    std::string text;
};

std::string Base(std::string_view from, std::string_view to) { return Replace(kBaseFile, from, to); }

std::string TakagiSugeno(std::string_view succedentSettings) {
    std::string text = Base("TypeOfDescription=linguistic", "TypeOfDescription=takagi_sugeno");
    text = Replace(text, " settings=linguistic\n context=<0,10>", succedentSettings);
    return Replace(text, "\"bi\"", "\"x1\"");
}

std::string ManyDistinctCells(int count) {
    std::string text = Base("NumberOfRules=2", "NumberOfRules=" + std::to_string(count));
    text = Replace(text, " discretization=101\n lingparams", " discretization=100000\n lingparams");
    std::string rules;
    for (int i = 0; i < count; ++i) rules += " \"t" + std::to_string(i) + "\" | \"sm\"\n";
    return Replace(text, " \"sm\" | \"bi\"\n#\"low\" | \"me\"\n", rules);
}

std::string ManyVariables(int count) {
    std::string text = Base("NumberOfAntecedentVariables=1", "NumberOfAntecedentVariables=" + std::to_string(count));
    std::string blocks;
    for (int k = 2; k <= count; ++k) {
        blocks += "AntVariable" + std::to_string(k) + "\n name=v\n settings=alias(x)\nEnd_AntVariable" +
                  std::to_string(k) + "\n";
    }
    return Replace(text, "SucVariable1\n", blocks + "SucVariable1\n");
}

std::vector<MessageCase> Cases() {
    return {
        {"NoEndRules", "bad file type", Base("END_RULES", "END")},
        {"EmptyFile", "bad file type", ""},
        {"UnknownType", "unknown type of description ", Base("=linguistic", "=fuzzy")},
        {"BlockNumberedTwoFirst", "variables out of order", Base("AntVariable1\n", "AntVariable2\n")},
        {"EndNumberDiffers", "Variable dont match End_Variable", Base("End_AntVariable1", "End_AntVariable2")},
        {"BlockNotClosed", "missing: End_SucVariable", Base("End_SucVariable1\n", "")},
        {"NoName", "missing: name", Base(" name=x\n", "")},
        {"EmptyName", "missing: name", Base(" name=x\n", " name=  \n")},
        {"NoSettings", "missing: settings", Base(" settings=linguistic\n context=<0,1>", " context=<0,1>")},
        {"NoContext", "missing: context", Base(" context=<0,1>\n", "")},
        {"ContextWithoutComma", "missing: , in context", Base("<0,1>", "<0 1>")},
        {"ContextReversed", "bad context bounds", Base("<0,1>", "<1,0>")},
        {"ContextEmpty", "bad context bounds", Base("<0,1>", "<1,1>")},
        {"ContextNan", "bad context bounds", Base("<0,1>", "<nan,1>")},
        {"ContextInfinite", "bad context bounds", Base("<0,1>", "<0,1e999>")},
        {"ContextTooWide", "bad context bounds", Base("<0,1>", "<-1e308,1e308>")},
        {"ContextInHexadecimal", "bad context bounds", Base("<0,1>", "<0x10,30>")},
        {"ContextNotANumber", "bad context bounds", Base("<0,1>", "<a,1>")},
        {"LingParamsAllZero", "missing or bad parameter", Base("0.05 0.304 0.4 0.94", "0 0 0 0")},
        {"NoDiscretization", "missing: discretization", Base(" discretization=101\n lingparams", " lingparams")},
        {"ZeroDiscretization", "bad value of discretization", Base("discretization=101", "discretization=0")},
        {"NegativeDiscretization", "bad value of discretization", Base("discretization=101", "discretization=-3")},
        {"HugeDiscretization", "discretization exceeds 100000", Base("discretization=101", "discretization=2000000000")},
        {"LincInLinguisticUnit", "wrong settings type for a given description type",
         Base(" settings=linguistic\n context=<0,10>", " settings=linc\n context=<0,10>")},
        {"LinguisticOutputOfTsUnit", "wrong settings type for a given description type",
         TakagiSugeno(" settings=linguistic\n context=<0,10>")},
        {"OutputAliasOfLinguisticInputInTsUnit", "wrong settings type for a given description type",
         TakagiSugeno(" settings=alias(x)\n context=<0,10>")},
        {"LincInputOfTsUnit", "Takagi-Sugeno or singleton type variable among antecedents",
         Replace(TakagiSugeno(" settings=linc\n context=<0,10>"), " settings=linguistic\n context=<0,1>",
                 " settings=linc\n context=<0,1>")},
        {"FewLingparams", "missing or bad parameter", Base("0.05 0.304 0.4 0.94", "0.05 0.304")},
        {"NanLingparam", "missing or bad parameter", Base("0.05 0.304 0.4 0.94", "0.05 nan 0.4 0.94")},
        {"AliasWithoutOpening", "missing: (",
         Base(" settings=linguistic\n context=<0,10>", " settings=alias x)\n context=<0,10>")},
        {"AliasWithoutClosing", "missing: )",
         Base(" settings=linguistic\n context=<0,10>", " settings=alias(x\n context=<0,10>")},
        {"AliasToUnknown", "alias to nonexistent variable ",
         Base(" settings=linguistic\n context=<0,10>", " settings=alias(z)\n context=<0,10>")},
        {"UnknownSettings", "unknown type of settings ", Base("settings=linguistic", "settings=fuzzy")},
        {"UserTermNotClosed", "missing: End_UserTerm", Base(" End_UserTerm\n", "")},
        {"UnknownShape", "unknown type of fuzzy set ", Base("type=triang", "type=circle")},
        {"FewShapeParameters", "missing or bad parameter", Base("parameters= 0 0 0.5", "parameters= 0 0")},
        {"UserTermWithoutName", "missing: name in UserTerm", Base("  name=low, lowish\n", "")},
        {"UserTermEmptyName", "missing: name in UserTerm", Base("name=low, lowish", "name= , lowish")},
        {"UserTermNameWithATab", "a name in UserTerm holds a control character",
         Base("name=low, lowish", "name=lo\tw, lowish")},
        {"UserTermLongNameWithAControl", "a name in UserTerm holds a control character",
         Base("name=low, lowish", "name=low, low\x7fish")},
        {"UserTermWithoutType", "missing: type in UserTerm", Base("  type=triang\n", "")},
        {"UserTermWithoutParameters", "missing: parameters in UserTerm", Base("  parameters= 0 0 0.5\n", "")},
        {"NoInfMethod", "missing: InfMethod", Base("InfMethod=Logical_Deduction\n", "")},
        {"UnknownInfMethod", "unknown type of inference method ", Base("=Logical_Deduction", "=Guessing")},
        {"NoDefuzzMethod", "missing: DefuzzMethod", Base("DefuzzMethod=SimpDefuzzLingExpression\n", "")},
        {"UnknownDefuzzMethod", "unknown type of defuzzification method ",
         Base("=SimpDefuzzLingExpression", "=Centroid")},
        {"NoAntecedentCount", "missing: NumberOfAntecedentVariables", Base("NumberOfAntecedentVariables=1\n", "")},
        {"AntecedentCountDiffers", "bad value of NumberOfAntecedentVariables",
         Base("NumberOfAntecedentVariables=1", "NumberOfAntecedentVariables=2")},
        {"NoSuccedentCount", "missing: NumberOfSuccedentVariables", Base("NumberOfSuccedentVariables=1\n", "")},
        {"SuccedentCountDiffers", "bad value of NumberOfSuccedentVariables",
         Base("NumberOfSuccedentVariables=1", "NumberOfSuccedentVariables=0")},
        {"NoRuleCount", "missing: NumberOfRules", Base("NumberOfRules=2\n", "")},
        {"ZeroRulesWithRuleLines", "bad value of NumberOfRules", Base("NumberOfRules=2", "NumberOfRules=0")},
        {"NegativeRuleCount", "bad value of NumberOfRules", Base("NumberOfRules=2", "NumberOfRules=-1")},
        {"NoRulesLine", "missing: RULES", Base("RULES\n", "")},
        {"MissingQuote", "error in rules", Base("\"me\"", "\"me")},
        {"ExpressionOverALineBreak", "error in rules", Base("\"bi\"\n", "\"bi\n\"\n")},
        {"MissingBar", "error in rules", Base("#\"low\" | \"me\"", "#\"low\" \"me\"")},
        {"RulesUnterminated", "error in rules",
         Replace(Base("NumberOfRules=2", "NumberOfRules=3"), "END_RULES\n", "") + "; END_RULES\n"},
        {"TooManyVariables", "too many variables (more than 1000)", ManyVariables(1001)},
        {"TooMuchToCompile", "rule base too large", ManyDistinctCells(150)},
    };
}

class ReaderMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(ReaderMessage, IsRaisedExactly) {
    try {
        LoadText(GetParam().text);
        FAIL() << "loaded without error";
    } catch (const ESyntax& error) {
        EXPECT_EQ(error.message(), GetParam().message);
        EXPECT_EQ(error.position(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMessage, ReaderMessage, testing::ValuesIn(Cases()),
                         [](const auto& info) { return info.param.name; });

TEST(ReaderMessageContext, IsTheTextFromThePointOfFailure) {
    try {
        LoadText(Base("=linguistic", "=fuzzy"));
        FAIL();
    } catch (const ESyntax& error) {
        ASSERT_TRUE(error.text().has_value());
        EXPECT_TRUE(error.text()->starts_with("fuzzy\nInfMethod=")) << *error.text();
    }
}

TEST(ReaderMessageContext, ExpressionErrorsComeFromTheVocabulary) {
    EXPECT_THROW(LoadText(Base("\"bi\"", "\"bi or\"")), ESyntax);
    EXPECT_THROW(LoadText(Base("\"bi\"", "\"about 20\"")), ESyntax);
}

TEST(ReaderFileErrors, NameThePath) {
    const std::string missing = "/nonexistent/dir/none.rb";
    try {
        CRuleBase::Load(missing);
        FAIL();
    } catch (const ESyntax& error) {
        EXPECT_EQ(error.message(), "cannot read file by open");
        EXPECT_EQ(error.text(), missing);
    }
    try {
        CRuleBase::Load(std::filesystem::temp_directory_path().string());
        FAIL();
    } catch (const ESyntax& error) {
        EXPECT_EQ(error.message(), "cannot read file by open");
    }
}

}  // namespace
}  // namespace zorv::test
