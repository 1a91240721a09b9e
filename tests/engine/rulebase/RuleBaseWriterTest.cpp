#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "RuleBaseTestSupport.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/sets/CFuzzyParamSetFactory.h"
#include "fuzzy/vocabulary/CTriangSettings.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "rulebase/CFileNumber.h"
#include "rulebase/EWrite.h"

namespace zorv::test {
namespace {

namespace fs = std::filesystem;

std::unique_ptr<CFuzzyParamSet> Shape(std::string_view type, std::vector<double> params, double low, double high) {
    return createParamSet(type, params.data(), low, high);
}

std::shared_ptr<CLinguisticSettings> Linguistic(double low, double high) {
    return std::make_shared<CLinguisticSettings>(low, high);
}

std::unique_ptr<CRuleBase> RoundTrip(const CRuleBase& unit) {
    const std::string text = SaveText(unit);
    const auto copy = LoadText(text);
    ExpectSameUnit(unit, *copy);
    EXPECT_EQ(SaveText(*copy), text);
    return LoadText(text);
}

TEST(Writer, WritesANewUnitInTheFileLayout) {
    const auto unit = CRuleBase::Create(DescriptionType::linguistic);
    EXPECT_EQ(SaveText(*unit),
              "!COMMENT!\nEnter your description of the rulebase here.\n!END_COMMENT!\n\n"
              "TypeOfDescription=linguistic\nInfMethod=Logical_Deduction\nDefuzzMethod=SimpDefuzzLingExpression\n"
              "UseFuzzyFilter=false\n\n"
              "NumberOfAntecedentVariables=1\nNumberOfSuccedentVariables=1\nNumberOfRules=1\n\n"
              "AntVariable1\n name=X\n settings=linguistic\n context=<0,1>\n discretization=301\n"
              " lingparams=0.05 0.304 0.4 0.94\nEnd_AntVariable1\n\n"
              "SucVariable1\n name=Y\n settings=linguistic\n context=<0,1>\n discretization=301\n"
              " lingparams=0.05 0.304 0.4 0.94\nEnd_SucVariable1\n\n"
              "RULES\n \"ze\" | \"ze\"\nEND_RULES\n");
}

TEST(Writer, WritesUserTermsAliasesAndDisabledRules) {
    const auto unit = LoadText(Replace(kBaseFile, " settings=linguistic\n context=<0,10>\n discretization=101",
                                       " settings=alias(x)"));
    const std::string text = SaveText(*unit);
    EXPECT_NE(text.find(" UserTerm\n  name=low, lowish\n  type=triang\n  parameters= 0 0 0.5\n End_UserTerm\n"),
              std::string::npos);
    EXPECT_NE(text.find("SucVariable1\n name=y\n settings=alias(x)\nEnd_SucVariable1\n"), std::string::npos);
    EXPECT_NE(text.find("RULES\n \"sm\" | \"bi\"\n# \"low\" | \"me\"\nEND_RULES\n"), std::string::npos);
    RoundTrip(*unit);
}

TEST(WriterRoundTrip, KeepsEveryKindOfContent) {
    auto unit = std::make_unique<CRuleBase>(DescriptionType::linguistic);
    unit->SetDescription("InfMethod=MOM\nAntVariable1\r\n  RULES\nEND_RULES\n!COMMENT! twice\n");
    unit->SetInferenceMethod(*FindInferenceMethod("LZadInfCrispLuk"));
    unit->SetDefuzzificationMethod(*FindDefuzzificationMethod("MOM"));
    auto x = Linguistic(-1234567, 1234567);
    ASSERT_TRUE(x->setLingParams({0.1 / 3, 0.3, 0.41, 0.9}));
    x->addUserTerm("a", "", Shape("triang", {0, 1.0 / 3, 1e6}, -1234567, 1234567));
    x->addUserTerm("b(c)", "be see", Shape("trapezoid", {-5, -1, 1, 5}, -1234567, 1234567));
    x->addUserTerm("RULES", "AntVariable1", Shape("quadratic", {0, 1, 2, 3, 4, 5}, -1234567, 1234567));
    x->addUserTerm("g", "", Shape("gaussian", {1, 2, 3, 4}, -1234567, 1234567));
    unit->AddAntecedent(CFuzzyVariable("InfMethod=MOM (AntVariable1)", x, 201), CRuleBase::kNoVariable);
    unit->AddAntecedent(CFuzzyVariable("t", std::make_shared<CTriangSettings>(0, 1e-7), 55), CRuleBase::kNoVariable);
    unit->AddAntecedent(CFuzzyVariable("alias-grid", x, 77), CRuleBase::kNoVariable);
    unit->AddSuccedent(CFuzzyVariable("out", Linguistic(0, 1), 301), CRuleBase::kNoVariable);
    unit->AddSuccedent(CFuzzyVariable("out2", unit->Variable(-1).SharedSettings(), 301), CRuleBase::kNoVariable);
    unit->AddSuccedent(CFuzzyVariable("back", x, 201), CRuleBase::kNoVariable);
    const std::vector<RuleRow> rules = {{true, {"a", "sm", "g", "ze", "bi", "ze"}},
                                        {false, {"RULES", "bi", "a", "ro ze", "me", "RULES"}}};
    unit->SetRules(rules);
    const std::string text = SaveText(*unit);
    EXPECT_NE(text.find(" context=<-1234567,1234567>"), std::string::npos);
    EXPECT_NE(text.find("parameters= 0 0.3333333333333333 1e+06\n"), std::string::npos);
    EXPECT_NE(text.find(" context=<0,1e-07>\n discretization=55\n"), std::string::npos);
    const auto copy = RoundTrip(*unit);
    EXPECT_EQ(copy->ContextLow(0), -1234567);
}

TEST(WriterRoundTrip, KeepsTheFilterSwitch) {
    // One input keeps the filter that loading builds small (201 samples).
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->SetUseFuzzyFilter(true);
    const auto copy = RoundTrip(*unit);
    EXPECT_TRUE(copy->UseFuzzyFilter());
}

TEST(WriterRoundTrip, KeepsTakagiSugenoAndSingletonUnits) {
    for (const auto type : {DescriptionType::takagi_sugeno, DescriptionType::singleton}) {
        auto unit = CRuleBase::Create(type);
        unit->AddSuccedent(CFuzzyVariable("Z", std::make_shared<CLinCSettings>(-2, 2), 11), 1 - 2);
        if (type == DescriptionType::takagi_sugeno) unit->SetRules({{"1", "sm", "0.5 + x1", "-x1"}});
        const auto copy = RoundTrip(*unit);
        EXPECT_EQ(copy->Discretization(-2), 11);
    }
}

TEST(WriterRoundTrip, KeepsAUnitWithoutRules) {
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->SetRules(std::vector<RuleRow>{});
    EXPECT_NE(SaveText(*unit).find("NumberOfRules=0\n"), std::string::npos);
    EXPECT_EQ(RoundTrip(*unit)->RuleCount(), 0);
}

// Comment lines stay with the rule they stand before, also when the rules are reordered; those after the
// last rule stay at the end. A comment the file could not read back as one is refused before writing.
TEST(WriterRoundTrip, KeepsCommentLinesWithTheirRules) {
    const auto unit = LoadText(Replace(Replace(kBaseFile, "#\"low\"", ";  the low one \n; second line\n#\"low\""),
                                       "END_RULES", "; the end\nEND_RULES"));
    EXPECT_EQ(unit->Comment(0), "");
    EXPECT_EQ(unit->Comment(1), ";  the low one \n; second line");
    EXPECT_EQ(unit->TrailingComment(), "; the end");
    RoundTrip(*unit);

    std::vector<RuleRow> rows = unit->Rules();
    std::swap(rows[0], rows[1]);
    unit->SetRules(rows);
    EXPECT_NE(SaveText(*unit).find("RULES\n;  the low one \n; second line\n# \"low\" | \"me\"\n \"sm\" | \"bi\"\n"
                                   "; the end\nEND_RULES\n"),
              std::string::npos);

    rows[1].comment = "no semicolon";
    unit->SetRules(rows);
    EXPECT_THROW(SaveText(*unit), EWrite);
}

// The first holder in the file (not in the scan order, which starts with the last succedent) is written in full.
TEST(WriterRoundTrip, WritesSharedSettingsBeforeTheirAliases) {
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->AddSuccedent(CFuzzyVariable("Y2", unit->Variable(-1).SharedSettings(), 301), -1);
    unit->AddSuccedent(CFuzzyVariable("X2", unit->Variable(0).SharedSettings(), 301), 0);
    EXPECT_EQ(unit->AliasOwner(-1), -2);
    const std::string text = SaveText(*unit);
    EXPECT_NE(text.find(" name=Y\n settings=linguistic\n"), std::string::npos);
    EXPECT_NE(text.find(" name=Y2\n settings=alias(Y)\n"), std::string::npos);
    EXPECT_NE(text.find(" name=X2\n settings=alias(X)\n"), std::string::npos);
    RoundTrip(*unit);
}

TEST(WriterRoundTrip, NamesAnAliasTargetThatTheReaderResolves) {
    // A succedent named like the input comes first in the reader's search; the alias names another holder.
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->AddAntecedent(CFuzzyVariable("X1", unit->Variable(0).SharedSettings(), 301), 0);
    unit->Variable(-1).SetName("X");
    unit->AddSuccedent(CFuzzyVariable("Z", unit->Variable(0).SharedSettings(), 301), 0);
    EXPECT_NE(SaveText(*unit).find(" name=Z\n settings=alias(X1)\n"), std::string::npos);
    RoundTrip(*unit);

    auto ambiguous = CRuleBase::Create(DescriptionType::linguistic);
    ambiguous->Variable(-1).SetName("X");
    ambiguous->AddSuccedent(CFuzzyVariable("Z", ambiguous->Variable(0).SharedSettings(), 301), 0);
    EXPECT_THROW(SaveText(*ambiguous), EWrite);
}

struct Refusal {
    std::string name;
    std::function<void(CRuleBase&)> spoil;
};

class WriterRefuses : public testing::TestWithParam<Refusal> {};

TEST_P(WriterRefuses, BeforeWritingAnything) {
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    try {
        GetParam().spoil(*unit);
    } catch (const ESyntax&) {
        // a spoiled expression fails to compile; the unit keeps it
    }
    std::ostringstream out;
    EXPECT_THROW(unit->Save(out), EWrite);
    EXPECT_EQ(out.str(), "");
}

CBasicSettings& Vocabulary(CRuleBase& unit, int i) { return dynamic_cast<CBasicSettings&>(unit.Settings(i)); }

INSTANTIATE_TEST_SUITE_P(
    UnitsTheFileCannotHold, WriterRefuses,
    testing::Values(
        Refusal{"NameWithComma", [](CRuleBase& u) { u.Variable(0).SetName("a,b"); }},
        Refusal{"NameWithLineBreak", [](CRuleBase& u) { u.Variable(0).SetName("a\nb"); }},
        Refusal{"NameWithTab", [](CRuleBase& u) { u.Variable(-1).SetName("a\tb"); }},
        Refusal{"EmptyName", [](CRuleBase& u) { u.Variable(0).SetName(""); }},
        Refusal{"NameWithLeadingBlank", [](CRuleBase& u) { u.Variable(0).SetName(" a"); }},
        Refusal{"UserTermWithComma",
                [](CRuleBase& u) { Vocabulary(u, 0).addUserTerm("a,b", "", Shape("triang", {0, 0.5, 1}, 0, 1)); }},
        Refusal{"UserTermLongNameWithComma",
                [](CRuleBase& u) { Vocabulary(u, 0).addUserTerm("a", "b,c", Shape("triang", {0, 0.5, 1}, 0, 1)); }},
        Refusal{"DescriptionWithEndMarker", [](CRuleBase& u) { u.SetDescription("a !END_COMMENT! b"); }},
        Refusal{"DescriptionEndingInCarriageReturn", [](CRuleBase& u) { u.SetDescription("a\r"); }},
        Refusal{"DescriptionBeginningWithCarriageReturn", [](CRuleBase& u) { u.SetDescription("\ra"); }},
        Refusal{"ExpressionWithQuote", [](CRuleBase& u) { u.SetRules({{"1", "sm\"", "ze"}}); }},
        Refusal{"ExpressionWithLineBreak", [](CRuleBase& u) { u.SetRules({{"1", "sm\nor bi", "ze"}}); }},
        Refusal{"EmptyExpression", [](CRuleBase& u) { u.SetRules({{"1", "", "ze"}}); }},
        Refusal{"ExpressionThatDoesNotCompile", [](CRuleBase& u) { u.SetRules({{"1", "sm big", "ze"}}); }},
        Refusal{"ExpressionOutOfANarrowedContext",
                [](CRuleBase& u) {
                    u.SetRules({{"1", "about 0.9", "ze"}});
                    u.Settings(0).setContext(0, 0.5);
                }},
        Refusal{"LinearOutputInLinguisticUnit",
                [](CRuleBase& u) {
                    u.AddSuccedent(CFuzzyVariable("L", std::make_shared<CLinCSettings>(0, 1), 301), -1);
                }},
        Refusal{"LinguisticOutputInSingletonUnit",
                [](CRuleBase& u) { u.SetDescriptionType(DescriptionType::singleton); }}),
    [](const auto& info) { return info.param.name; });

class SaveToFile : public testing::Test {
protected:
    void SetUp() override {
        directory_ = fs::temp_directory_path() /
                     ("zorv-rb-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::size_t Entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(directory_), {})); }

    fs::path directory_;
};

TEST_F(SaveToFile, ReplacesTheFileWithTheWholeText) {
    const fs::path path = directory_ / "unit.rb";
    std::ofstream(path) << "old content";
    const auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->SaveToFile(path.string());
    EXPECT_EQ(Read(path), SaveText(*unit));
    EXPECT_EQ(Entries(), 1u);
    ExpectSameUnit(*CRuleBase::Load(path.string()), *unit);
}

TEST_F(SaveToFile, KeepsThePreviousFileWhenTheUnitIsRefused) {
    const fs::path path = directory_ / "unit.rb";
    std::ofstream(path) << "old content";
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->Variable(0).SetName("a,b");
    EXPECT_THROW(unit->SaveToFile(path.string()), EWrite);
    EXPECT_EQ(Read(path), "old content");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(SaveToFile, ReportsATargetThatCannotBeWritten) {
    const auto unit = CRuleBase::Create(DescriptionType::linguistic);
    EXPECT_THROW(unit->SaveToFile((directory_ / "missing" / "unit.rb").string()), EWrite);
    EXPECT_THROW(unit->SaveToFile(directory_.string()), EWrite);
    EXPECT_EQ(Entries(), 0u);
}

TEST(FileNumber, WritesPercentGWhenItReadsBackAndExactDigitsOtherwise) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0.0, "0"},        {-0.5, "-0.5"},   {1e6, "1e+06"},           {1234567.0, "1234567"},
        {0.1, "0.1"},      {1e-7, "1e-07"},  {1.0 / 3, "0.3333333333333333"}, {-2.5e-300, "-2.5e-300"},
        {123456, "123456"}, {0.304, "0.304"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(CFileNumber::Format(value), text);
        const auto back = CFileNumber::Scan(text);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->value, value);
        EXPECT_EQ(back->length, text.size());
    }
}

TEST(FileNumber, ScansLikeTheReaderNeeds) {
    EXPECT_EQ(CFileNumber::Scan("+.5x")->value, 0.5);
    EXPECT_EQ(CFileNumber::Scan("+.5x")->length, 3u);
    EXPECT_TRUE(std::isinf(CFileNumber::Scan("1e999")->value));
    EXPECT_EQ(CFileNumber::Scan("-1e999")->value, -INFINITY);
    EXPECT_EQ(CFileNumber::Scan("1e-999")->value, 0.0);
    EXPECT_FALSE(CFileNumber::Scan("abc").has_value());
    EXPECT_FALSE(CFileNumber::Scan("+-1").has_value());
    EXPECT_FALSE(CFileNumber::Scan("").has_value());
    EXPECT_EQ(CFileNumber::ScanInteger("  -42x"), -42);
    EXPECT_EQ(CFileNumber::ScanInteger("x"), 0);
    EXPECT_EQ(CFileNumber::ScanInteger("99999999999999999999999"), std::numeric_limits<long long>::max());
}

}  // namespace
}  // namespace zorv::test
