#include "app/core/data/RuleBaseDataSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "app/core/data/DataTable.h"
#include "app/core/testwindow/FiredRulesText.h"
#include "app/core/data/TypicalExpression.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "inference/compiled/Workspace.h"
#include "rulebase/CRuleBase.h"

namespace zorv {
namespace {

std::string Example(const char* name) { return std::string(ZORV_SOURCE_DIR) + "/examples/" + name; }

// One input, two outputs; the second output repeats the first one's words.
constexpr const char* kTwoOutputs = R"(TypeOfDescription=linguistic
InfMethod=Fuzzy_Approximation-functional
DefuzzMethod=SimpleCenterOfGravity
NumberOfAntecedentVariables=1
NumberOfSuccedentVariables=2
NumberOfRules=3
AntVariable1
 name=x
 settings=linguistic
 context=<0,10>
 discretization=101
End_AntVariable1
SucVariable1
 name=y
 settings=linguistic
 context=<0,1>
 discretization=101
End_SucVariable1
SucVariable2
 name=w
 settings=alias(y)
End_SucVariable2
RULES
 "sm" | "bi" "ve bi"
 "me" | "me" "ml me"
 "bi" | "sm" "ex sm"
END_RULES
)";

TEST(RuleBaseDataSourceTest, LayoutFollowsTheVariablesOfTheRuleBase) {
    const auto unit = CRuleBase::LoadFromText(kTwoOutputs, "two outputs");
    const DataTableLayout layout = RuleBaseDataSource::LayoutOf(*unit, true);
    EXPECT_EQ(layout.InputCount(), 1);
    EXPECT_EQ(layout.OutputCount(), 2);
    EXPECT_EQ(layout.ColumnCount(), 6);
    const DataTable table(layout);
    const char* const row0[] = {"", "x", "est.", "y", "w", "Ling. Approx."};
    const char* const row1[] = {"", "<0.00, 10.00>", "<0.00, 1.00>", "<0.00, 1.00>", "<0.00, 1.00>", "<0.00, 1.00>"};
    for (int column = 0; column < 6; ++column) {
        EXPECT_EQ(table.Grid().Cell(0, column), row0[column]);
        EXPECT_EQ(table.Grid().Cell(1, column), row1[column]);
    }
}

TEST(RuleBaseDataSourceTest, ComputesAsEvaluateDoesAndRaisesLowInputsToTheLowBound) {
    const auto unit = CRuleBase::Load(Example("heater.rb"));
    RuleBaseDataSource source(*unit);
    DataTable table(RuleBaseDataSource::LayoutOf(*unit, true));
    std::istringstream in("5 -20 90\n10 -20 90\n18,5 -3 40\n");
    ASSERT_EQ(table.Import(in).rows, 3);
    const auto result = table.Compute(source);
    ASSERT_EQ(result.RowsComputed(), 3);
    EXPECT_EQ(result.values[0], result.values[1]);
    EXPECT_EQ(table.Grid().Cell(2, 4), table.Grid().Cell(3, 4));
    const double inputs[] = {18.5, -3};
    EXPECT_EQ(result.values[2], unit->Evaluate(inputs));
    EXPECT_EQ(table.Grid().Cell(4, 5), TypicalExpression::Of(unit->Settings(-1), result.values[2]));
    EXPECT_FALSE(table.Grid().Cell(4, 5).empty());
}

TEST(RuleBaseDataSourceTest, SingletonRuleBaseHasNoTypicalExpression) {
    const auto unit = CRuleBase::Load(Example("fan.rb"));
    RuleBaseDataSource source(*unit);
    const double inputs[] = {60, 50};
    const double value = source.Evaluate(inputs);
    EXPECT_GT(value, 0.0);
    EXPECT_EQ(source.TypicalExpression(value), "");
}

TEST(TypicalExpressionTest, PerceivesValuesInFullWordsWithTheSignOfTheExpression) {
    const CLinguisticSettings plain(0, 10);
    const CLinguisticSettings symmetric(-10, 10);
    const CLinguisticSettings shifted(-5, 10);
    EXPECT_EQ(TypicalExpression::Of(plain, 0), "zero");
    EXPECT_EQ(TypicalExpression::Of(symmetric, 0), "zero");
    const std::string high = TypicalExpression::Of(symmetric, 9.5);
    EXPECT_EQ(TypicalExpression::Of(symmetric, -9.5), "-" + high);
    EXPECT_NE(high.find("big"), std::string::npos);
    EXPECT_NE(high.front(), '-');
    // Below 0 on a context that is not symmetric: an ordinary small value, no sign.
    EXPECT_NE(TypicalExpression::Of(shifted, -4).front(), '-');
    EXPECT_EQ(TypicalExpression::Of(plain, std::nan("")), "");
    EXPECT_EQ(TypicalExpression::Of(CLinCSettings(0, 10), 5), "");
}

TEST(TypicalExpressionTest, WordsOfADescriptor) {
    struct Case {
        int atom;
        int hedge;
        int sign;
        const char* words;
    };
    const Case cases[] = {
        {CLingTerm::kSmall, CLingTerm::kNoHedge, 0, "small"},
        {CLingTerm::kBig, CLingTerm::kVery, -1, "very big"},
        {CLingTerm::kMedium, CLingTerm::kMoreOrLess, 0, "more or less medium"},
        {CLingTerm::kSmall, CLingTerm::kVeryRoughly, 0, "very roughly small"},
        {CLingTerm::kZero, CLingTerm::kRoughly, 0, "roughly zero"},
        {CLingTerm::kBig, CLingTerm::kNegation, 0, "no big"},
        {CLingTerm::kUndef, CLingTerm::kNoHedge, 0, "undef"},
        {CLingTerm::kCompound, CLingTerm::kNoHedge, 0, ""},
        {CLingTerm::kUserTerm, CLingTerm::kNoHedge, 0, ""},
    };
    for (const auto& c : cases) {
        CLingTerm term;
        term.atom = c.atom;
        term.hedge = c.hedge;
        term.sign = c.sign;
        EXPECT_EQ(TypicalExpression::Words(term), c.words);
    }
}

TEST(FiredRulesTextTest, ListsTheFiredRulesWithTheirCount) {
    const auto unit = CRuleBase::Load(Example("heater.rb"));
    Workspace ws(*unit->Compiled());
    EXPECT_EQ(FiredRulesText::Of(*unit, ws.Fired(), ws.FiredCount()), "Number of fired rules: -1\n");
    const double cold[] = {12, -20};
    unit->Evaluate(cold, ws);
    EXPECT_EQ(FiredRulesText::Of(*unit, ws.Fired(), ws.FiredCount()), "Number of fired rules: 1\nRule 1: sm & sm --> ex bi\n");
}

TEST(FiredRulesTextTest, JoinsSeveralOutputsAndReportsTheCountTheInferenceGave) {
    const auto unit = CRuleBase::LoadFromText(kTwoOutputs, "two outputs");
    const double middle[] = {3.8};
    Workspace ws;
    unit->Evaluate(middle, ws);
    const std::string text = FiredRulesText::Of(*unit, ws.Fired(), ws.FiredCount());
    EXPECT_EQ(text.rfind("Number of fired rules: " + std::to_string(ws.FiredCount()) + "\n", 0), 0u);
    EXPECT_NE(text.find("Rule 2: me --> me & ml me\n"), std::string::npos);
    EXPECT_EQ(FiredRulesText::RuleLine(*unit, 2), "Rule 3: bi --> sm & ex sm");
}

}  // namespace
}  // namespace zorv
