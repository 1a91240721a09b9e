#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>

#include "RuleBaseTestSupport.h"
#include "fuzzy/expression/ESyntax.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "rulebase/CFuzValue.h"

namespace zorv::test {
namespace {

std::string WithLineBreaks(const std::string& text, std::string_view lineBreak) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += lineBreak;
        } else {
            out += c;
        }
    }
    return out;
}

// Blanks after a variable's name are no part of it, as they are none of an alias naming it.
TEST(Reader, BlanksAfterANameAreLeftOut) {
    const auto unit = LoadText(Replace(kBaseFile, " name=x\n", " name=x  \n"));
    EXPECT_EQ(unit->VariableName(0), "x");
    EXPECT_EQ(SaveText(*unit), SaveText(*LoadText(kBaseFile)));
}

TEST(Reader, BuildsTheUnitOfTheFile) {
    const auto unit = LoadText(kBaseFile);
    EXPECT_EQ(unit->Name(), "test.rb");
    EXPECT_EQ(unit->descriptionType(), DescriptionType::linguistic);
    EXPECT_EQ(unit->Description(), "");
    EXPECT_EQ(unit->InferenceMethod().fileKey, "Logical_Deduction");
    EXPECT_EQ(unit->DefuzzificationMethod().fileKey, "SimpDefuzzLingExpression");
    ASSERT_EQ(unit->AntecedentCount(), 1);
    ASSERT_EQ(unit->SuccedentCount(), 1);
    EXPECT_EQ(unit->VariableName(0), "x");
    EXPECT_EQ(unit->VariableName(-1), "y");
    EXPECT_EQ(unit->ContextHigh(-1), 10.0);
    EXPECT_EQ(unit->Discretization(0), 101);
    const std::vector<RuleRow> expected = {{true, {"sm", "bi"}}, {false, {"low", "me"}}};
    EXPECT_EQ(unit->Rules(), expected);
    EXPECT_EQ(unit->Compiled()->ruleCount(), 2);
    const auto& vocabulary = dynamic_cast<const CBasicSettings&>(unit->Settings(0));
    EXPECT_EQ(vocabulary.terms().back().shortName, "low");
    EXPECT_EQ(vocabulary.terms().back().longName, "lowish");
}

// Line breaks of every kind read as line feeds, and a byte-order mark is skipped, so that every file that
// loads saves again (a description beginning with an empty line once kept "\r\n" the writer refuses).
TEST(Reader, AcceptsEveryKindOfLineBreakAndAByteOrderMark) {
    const std::string text = "!COMMENT!\n\nfirst\nsecond\n!END_COMMENT!\n" + kBaseFile;
    const auto reference = LoadText(text);
    for (const std::string_view lineBreak : {"\r\n", "\r", "\n\r"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(lineBreak)));
        const auto unit = LoadText("\xEF\xBB\xBF" + WithLineBreaks(text, lineBreak));
        EXPECT_EQ(unit->Description(), "\nfirst\nsecond");
        ExpectSameUnit(*unit, *reference);
        EXPECT_EQ(SaveText(*unit), SaveText(*reference));
    }
}

TEST(Reader, FindsHeaderKeysInAnyOrder) {
    std::string text = Replace(kBaseFile, "InfMethod=Logical_Deduction\n", "");
    text = Replace(text, "NumberOfRules=2\n", "");
    text = Replace(text, "RULES\n", "NumberOfRules=2\nInfMethod=Logical_Deduction\nRULES\n");
    ExpectSameUnit(*LoadText(text), *LoadText(kBaseFile));
}

TEST(Reader, CorrectsTheRuleCountAndReportsIt) {
    std::ostringstream diagnostics;
    const auto unit = CRuleBase::LoadFromText(Replace(kBaseFile, "NumberOfRules=2", "NumberOfRules=3"), "t", diagnostics);
    EXPECT_EQ(unit->RuleCount(), 2);
    EXPECT_EQ(diagnostics.str(), "warning: bad value of NumberOfRules=3, new value NumberOfRules=2\n");

    std::ostringstream huge;
    const auto counted =
        CRuleBase::LoadFromText(Replace(kBaseFile, "NumberOfRules=2", "NumberOfRules=999999999"), "t", huge);
    EXPECT_EQ(counted->RuleCount(), 2);
    EXPECT_EQ(huge.str(), "warning: bad value of NumberOfRules=999999999, new value NumberOfRules=2\n");
}

TEST(Reader, ReadsNoMoreRulesThanDeclared) {
    std::ostringstream diagnostics;
    const auto unit = CRuleBase::LoadFromText(Replace(kBaseFile, "NumberOfRules=2", "NumberOfRules=1"), "t", diagnostics);
    EXPECT_EQ(unit->RuleCount(), 1);
    EXPECT_EQ(diagnostics.str(), "");
}

TEST(Reader, SkipsCommentLinesAndReadsDisabledRules) {
    const auto unit = LoadText(Replace(kBaseFile, "#\"low\"", "; a comment \"x\"\n;another\n  #\"low\""));
    ASSERT_EQ(unit->RuleCount(), 2);
    EXPECT_TRUE(unit->Enabled(0));
    EXPECT_FALSE(unit->Enabled(1));
    EXPECT_EQ(unit->AntecedentText(0, 1), "low");
}

TEST(Reader, ChoosesMethodsByFileKeyOrShortNameLongestFirst) {
    const std::vector<std::pair<std::string, std::string>> defuzzifiers = {
        {"SimpDefuzzLingExpression_COG", "SimpDefuzzLingExpression_COG"},
        {"SimpDefuzzLingExpression", "SimpDefuzzLingExpression"},
        {"SimpleCOG", "SimpleCenterOfGravity"},
        {"ModCOG", "ModifiedCenterOfGravity"},
        {"MOM", "MeanOfMaxima"},
    };
    for (const auto& [value, key] : defuzzifiers) {
        const auto unit = LoadText(Replace(kBaseFile, "=SimpDefuzzLingExpression", "= " + value));
        EXPECT_EQ(unit->DefuzzificationMethod().fileKey, key) << value;
    }
    const auto unit = LoadText(Replace(kBaseFile, "=Logical_Deduction", "=LZadInfCrispMin"));
    EXPECT_EQ(unit->InferenceMethod().fileKey, "Fuzzy_Approximation-functional");
}

TEST(Reader, ReadsTheFilterFlagAndTheDescription) {
    std::string text = Replace(kBaseFile, "UseFuzzyFilter=false", "UseFuzzyFilter= true");
    text = "!COMMENT!  \r\n  first line\n\nlast line  \n   !END_COMMENT!\n" + text;
    const auto unit = LoadText(text);
    EXPECT_TRUE(unit->UseFuzzyFilter());
    EXPECT_EQ(unit->Description(), "  first line\n\nlast line  ");
}

// Keys, markers and "RULES" inside the comment, a name or a user-term name no longer change the unit.
TEST(Reader, IgnoresKeysAndMarkersOutsideTheirPlace) {
    std::string text = "!COMMENT!\nInfMethod=MOM\nAntVariable1\nRULES\nNumberOfRules=7\n!END_COMMENT!\n" + kBaseFile;
    text = Replace(text, " name=x", " name=InfMethod=LZadInfFuz AntVariable1");
    text = Replace(text, "name=low, lowish", "name=low, RULES");
    const auto unit = LoadText(text);
    EXPECT_EQ(unit->InferenceMethod().fileKey, "Logical_Deduction");
    EXPECT_EQ(unit->RuleCount(), 2);
    EXPECT_EQ(unit->VariableName(0), "InfMethod=LZadInfFuz AntVariable1");
    EXPECT_EQ(unit->Description(), "InfMethod=MOM\nAntVariable1\nRULES\nNumberOfRules=7");
}

TEST(Reader, GivesTriangAndLincVariablesThePreviousGrid) {
    std::string text = Replace(kBaseFile, "TypeOfDescription=linguistic", "TypeOfDescription=singleton");
    text = Replace(text, " settings=linguistic\n context=<0,10>\n discretization=101", " settings=linc\n context=<0,10>");
    text = Replace(text, "\"bi\"", "\"2.5\"");
    text = Replace(text, "\"me\"", "\"7\"");
    const auto unit = LoadText(text);
    EXPECT_EQ(unit->Discretization(-1), 101);
    EXPECT_TRUE(unit->Cell(-1, 0).IsLinear());

    const auto first = LoadText(Replace(kBaseFile, " settings=linguistic\n context=<0,1>\n discretization=101",
                                        " settings=triang\n context=<0,1>"));
    EXPECT_EQ(first->Discretization(0), 301);
    EXPECT_EQ(first->Settings(0).typeName(), "triang");
}

TEST(Reader, SharesSettingsOfAnAlias) {
    std::string text = Replace(kBaseFile, " settings=linguistic\n context=<0,10>\n discretization=101",
                               " settings=alias( x )\n UserTerm\n  name=high\n  type=triang\n  parameters=0.5 1 1\n"
                               " End_UserTerm");
    text = Replace(text, "\"me\"", "\"high\"");
    const auto unit = LoadText(text);
    EXPECT_EQ(&unit->Settings(-1), &unit->Settings(0));
    EXPECT_EQ(unit->Discretization(-1), 101);
    EXPECT_EQ(unit->AliasOwner(0), -1);  // the succedent comes first in the scan order
    EXPECT_EQ(unit->AliasOwner(-1), CRuleBase::kNoVariable);
    EXPECT_GE(dynamic_cast<const CBasicSettings&>(unit->Settings(0)).findTerm("high"), 0);
}

TEST(Reader, LoadsAUnitWithoutRules) {
    std::string text = Replace(kBaseFile, "NumberOfRules=2", "NumberOfRules=0");
    text = Replace(text, " \"sm\" | \"bi\"\n#\"low\" | \"me\"\n", "; none\n");
    const auto unit = LoadText(text);
    EXPECT_EQ(unit->RuleCount(), 0);
}

std::string GridFile(int inputs) {
    const std::vector<std::string> names = {"x", "y", "w"};
    std::string terms;
    for (int t = 0; t < 7; ++t) {
        const auto at = [](int i) { return std::to_string(std::clamp(i, 0, 6) / 6.0); };
        terms += " UserTerm\n  name=t" + std::to_string(t) + "\n  type=triang\n  parameters= " + at(t - 1) + " " +
                 at(t) + " " + at(t + 1) + "\n End_UserTerm\n";
    }
    const auto block = [&](const std::string& kind, int k, const std::string& name) {
        return kind + std::to_string(k) + "\n name=" + name +
               "\n settings=linguistic\n context=<0,1>\n discretization=301\n" + terms + "End_" + kind +
               std::to_string(k) + "\n\n";
    };
    int rules = 1;
    for (int i = 0; i < inputs; ++i) rules *= 7;
    std::string text = "InfMethod=Fuzzy_Approximation-functional\nDefuzzMethod=SimpleCenterOfGravity\n"
                       "NumberOfAntecedentVariables=" + std::to_string(inputs) +
                       "\nNumberOfSuccedentVariables=1\nNumberOfRules=" + std::to_string(rules) + "\n\n";
    for (int k = 0; k < inputs; ++k) text += block("AntVariable", k + 1, names[static_cast<std::size_t>(k)]);
    text += block("SucVariable", 1, "z") + "RULES\n";
    for (int r = 0; r < rules; ++r) {
        int sum = 0;
        std::string line;
        for (int k = 0, rest = r; k < inputs; ++k, rest /= 7) {
            line = " \"t" + std::to_string(rest % 7) + "\"" + line;
            sum += rest % 7;
        }
        text += line + " | \"t" + std::to_string(sum / inputs) + "\"\n";
    }
    return text + "END_RULES\n";
}

TEST(Reader, CompilesEachDistinctCellOnce) {
    const auto unit = LoadText(GridFile(3));
    ASSERT_EQ(unit->RuleCount(), 343);
    int cells = 0;
    for (int i = 0; i < unit->PoolSize(); ++i) cells += unit->PoolCell(i) != nullptr ? 1 : 0;
    EXPECT_EQ(cells, 28);
}

TEST(Reader, LoadsTheBenchmarkFiles) {
    for (const std::string name : {"grid49.rb", "grid343.rb"}) {
        const std::filesystem::path path = std::filesystem::path("/work/shared/bench") / name;
        if (!std::filesystem::exists(path)) GTEST_SKIP() << "benchmark files not present";
        const auto unit = CRuleBase::Load(path.string());
        EXPECT_EQ(unit->Name(), path.string());
        EXPECT_GT(unit->RuleCount(), 0);
    }
}

// Every damaged input ends in a unit or an ESyntax.
void ExpectUnitOrSyntaxError(const std::string& text) {
    try {
        LoadText(text);
    } catch (const ESyntax&) {
    }
}

TEST(ReaderRobustness, SurvivesEveryTruncation) {
    const std::string text = GridFile(2);
    for (std::size_t size = 0; size <= text.size(); size += 7) ExpectUnitOrSyntaxError(text.substr(0, size));
    for (std::size_t size = 0; size <= kBaseFile.size(); ++size) ExpectUnitOrSyntaxError(kBaseFile.substr(0, size));
}

TEST(ReaderRobustness, SurvivesRandomDamage) {
    std::mt19937 random(12345);
    const std::string bytes = std::string("\0\r\n\"|#;,<>()= -+.e9xAnt", 24);
    for (int round = 0; round < 3000; ++round) {
        std::string text = kBaseFile;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % text.size();
            if (random() % 2 == 0) {
                text[at] = bytes[random() % bytes.size()];
            } else {
                text[at] = static_cast<char>(random() % 256);
            }
        }
        ExpectUnitOrSyntaxError(text);
    }
}

TEST(ReaderRobustness, HandlesNulBytesAndHugeNumbers) {
    ExpectUnitOrSyntaxError(Replace(kBaseFile, "name=x", std::string("name=x\0y", 8)));
    ExpectUnitOrSyntaxError(std::string(1000, '\0') + "END_RULES");
    ExpectUnitOrSyntaxError(Replace(kBaseFile, "NumberOfAntecedentVariables=1",
                                    "NumberOfAntecedentVariables=99999999999999999999999"));
    ExpectUnitOrSyntaxError(Replace(kBaseFile, "parameters= 0 0 0.5", "parameters= 0 1e400 -1e400"));
    ExpectUnitOrSyntaxError(Replace(kBaseFile, "0.05 0.304 0.4 0.94", "0 0 0 0"));
}

}  // namespace
}  // namespace zorv::test
