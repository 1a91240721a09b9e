#include "app/core/variables/VariableForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TestUnits.h"

namespace zorv {
namespace {

using test::VariableTestUnits;
using Texts = std::vector<std::string>;

TEST(VariableFormTest, EditModeShowsTheVariable) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    const VariableForm form(*unit, 1);
    EXPECT_EQ(form.caption(), "Edit variable");
    EXPECT_EQ(form.initialFields(), (VariableFields{"load", "-5", "5", "301"}));
    EXPECT_TRUE(form.copyChoices().empty());
    EXPECT_FALSE(form.linear());
}

TEST(VariableFormTest, AcceptRenamesAndMovesTheContextWithItsUserTerms) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    VariableTestUnits::AddTriangle(*unit, 0, "slow", 0.0, 2.0, 4.0);
    VariableForm form(*unit, 0);
    form.accept({"velocity", "0", "20", "301"});
    EXPECT_EQ(unit->VariableName(0), "velocity");
    EXPECT_EQ(unit->ContextHigh(0), 20.0);
    const auto& term = VariableTestUnits::Vocabulary(*unit, 0).terms().back();
    EXPECT_EQ(dynamic_cast<const CFuzzyParamSet&>(*term.element).params(), (std::vector<double>{0.0, 4.0, 8.0}));
    EXPECT_TRUE(form.changed());
}

TEST(VariableFormTest, AcceptChangesTheDiscretizationKeepingOrderAndRules) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}, {"bi", "-sm", "sm"}});
    unit->SetEnabled(1, false);
    VariableForm form(*unit, 0);
    form.accept({"speed", "0", "10", "101"});
    EXPECT_EQ(unit->Discretization(0), 101);
    EXPECT_EQ(unit->VariableName(0), "speed");
    EXPECT_EQ(unit->VariableName(1), "load");
    EXPECT_EQ(VariableTestUnits::Texts(*unit, 0), Texts({"sm", "bi"}));
    EXPECT_EQ(VariableTestUnits::Texts(*unit, 1), Texts({"ze", "-sm"}));
    EXPECT_FALSE(unit->Enabled(1));
}

// --- the recompute question ---------------------------------------------------------------------------

TEST(VariableFormTest, NoQuestionWithoutNumbersOrWithUnchangedBounds) {
    auto unit = VariableTestUnits::Linguistic({{"about 3", "ze", "bi"}});
    EXPECT_FALSE(VariableForm(*unit, 1).recomputeQuestion({"load", "-6", "6", "301"}));
    EXPECT_FALSE(VariableForm(*unit, 0).recomputeQuestion({"speed", "0", "10", "301"}));
}

TEST(VariableFormTest, QuestionAddsTheCutSentenceWhenANumberFallsOutside) {
    auto unit = VariableTestUnits::Linguistic({{"about 3", "ze", "bi"}});
    const VariableForm form(*unit, 0);
    const auto widened = form.recomputeQuestion({"speed", "0", "100", "301"});
    ASSERT_TRUE(widened);
    EXPECT_EQ(widened->text, "Do you want to recompute values?");
    EXPECT_FALSE(widened->cut);
    const auto narrowed = form.recomputeQuestion({"speed", "0", "2", "301"});
    ASSERT_TRUE(narrowed);
    EXPECT_EQ(narrowed->text, "Do you want to recompute values?Otherwise they will be cut");
    EXPECT_TRUE(narrowed->cut);
}

TEST(VariableFormTest, LinearVocabulariesAlwaysAsk) {
    auto unit = VariableTestUnits::Singleton({{"sm", "2 + x1"}});
    EXPECT_TRUE(VariableForm(*unit, ~0).recomputeQuestion({"y", "0", "5", ""}));
}

struct AnswerCase {
    const char* label;
    std::string high;
    PromptAnswer answer;
    Texts expected;
};

class VariableFormAnswers : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(VariableFormAnswers, RewriteTheNumbersAsAnswered) {
    const AnswerCase& c = GetParam();
    auto unit = VariableTestUnits::Linguistic({{"about 3", "ze", "bi"}, {"about 8", "ze", "sm"}, {"sm", "ze", "me"}});
    VariableForm form(*unit, 0);
    form.accept({"speed", "0", c.high, "301"}, c.answer);
    EXPECT_EQ(VariableTestUnits::Texts(*unit, 0), c.expected);
    EXPECT_EQ(unit->ContextHigh(0), std::stod(c.high));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, VariableFormAnswers,
    ::testing::Values(AnswerCase{"yesRescales", "100", PromptAnswer::yes, {"about 30", "about 80", "sm"}},
                      AnswerCase{"noCuts", "5", PromptAnswer::no, {"about 3", "about 5", "sm"}},
                      AnswerCase{"noWithoutCutKeeps", "100", PromptAnswer::no, {"about 3", "about 8", "sm"}}),
    [](const auto& info) { return std::string(info.param.label); });

// --- "Edit expressions..." and Cancel ---------------------------------------------------------------------

TEST(VariableFormTest, EditExpressionsAppliesTheBoundsAndCancelRestoresThem) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    VariableTestUnits::AddTriangle(*unit, 0, "slow", 0.0, 2.0, 4.0);
    VariableForm form(*unit, 0);
    EXPECT_TRUE(form.applyBounds({"speed", "0", "20", "301"}).applied);
    EXPECT_EQ(unit->ContextHigh(0), 20.0);
    form.cancel();
    EXPECT_EQ(unit->ContextHigh(0), 10.0);
    const auto& term = VariableTestUnits::Vocabulary(*unit, 0).terms().back();
    EXPECT_EQ(dynamic_cast<const CFuzzyParamSet&>(*term.element).params(), (std::vector<double>{0.0, 2.0, 4.0}));
    EXPECT_FALSE(form.changed());
}

TEST(VariableFormTest, EditExpressionsIgnoresBoundsThatAreNotNumbersAndRefusesAnEmptyContext) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    VariableTestUnits::AddTriangle(*unit, 0, "slow", 0.0, 2.0, 4.0);
    VariableForm form(*unit, 0);
    const auto notNumber = form.applyBounds({"speed", "x", "20", "301"});
    EXPECT_FALSE(notNumber.applied);
    EXPECT_FALSE(notNumber.message);
    const auto empty = form.applyBounds({"speed", "5", "5", "301"});
    EXPECT_FALSE(empty.applied);
    ASSERT_TRUE(empty.message);
    EXPECT_EQ(empty.message->text, "Low bound is greater or equal to high bound!");
    EXPECT_EQ(unit->ContextHigh(0), 10.0);
}

// The rule numbers were written for the bounds the dialog opened with: after "Edit expressions..." has
// applied the new bounds, OK with those bounds still asks and recomputes from the opening bounds.
TEST(VariableFormTest, RecomputeAfterEditExpressionsStartsFromTheOpeningBounds) {
    auto unit = VariableTestUnits::Linguistic({{"about 3", "ze", "bi"}});
    VariableForm form(*unit, 0);
    const VariableFields fields{"speed", "0", "100", "301"};
    ASSERT_TRUE(form.applyBounds(fields).applied);
    ASSERT_TRUE(form.recomputeQuestion(fields));
    form.accept(fields, PromptAnswer::yes);
    EXPECT_EQ(VariableTestUnits::Texts(*unit, 0), Texts({"about 30"}));
}

// --- add mode ---------------------------------------------------------------------------------------------

TEST(VariableFormTest, AddModeSuggestsACopyOfTheChosenVariable) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    VariableForm form = VariableForm::ForAdd(*unit, true, 1);
    EXPECT_EQ(form.caption(), "Add variable");
    EXPECT_EQ(form.copyChoices(), Texts({"speed", "load"}));
    EXPECT_EQ(form.copyChoice(), 1);
    EXPECT_EQ(form.initialFields(), (VariableFields{"Copy_load", "-5", "5", "301"}));
    EXPECT_EQ(form.chooseCopySource(0), (VariableFields{"Copy_speed", "0", "10", "301"}));
    EXPECT_EQ(form.copyChoice(), 0);
}

TEST(VariableFormTest, AddAppendsAVariableWithTheCopiedExpressionsAndUserTerms) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}, {"slow", "sm", "me"}});
    VariableTestUnits::AddTriangle(*unit, 0, "slow", 0.0, 2.0, 4.0);
    VariableForm form = VariableForm::ForAdd(*unit, true, 0);
    ASSERT_FALSE(form.check({"torque", "0", "50", "201"}));
    form.accept({"torque", "0", "50", "201"});
    ASSERT_EQ(unit->AntecedentCount(), 3);
    EXPECT_EQ(unit->VariableName(2), "torque");
    EXPECT_EQ(unit->Discretization(2), 201);
    EXPECT_EQ(unit->Settings(2).typeName(), "linguistic");
    EXPECT_EQ(VariableTestUnits::Texts(*unit, 2), Texts({"sm", "slow"}));
    EXPECT_EQ(VariableTestUnits::Vocabulary(*unit, 2).userTermCount(), 1);
    EXPECT_NE(unit->Variable(2).SharedSettings(), unit->Variable(0).SharedSettings());
    EXPECT_TRUE(form.changed());
}

TEST(VariableFormTest, AddModeRefusesTheNameOfAnyInput) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    const VariableForm form = VariableForm::ForAdd(*unit, true, 0);
    EXPECT_EQ(form.check({"speed", "0", "10", "301"})->text, "Variable name is already used!");
}

TEST(VariableFormTest, FieldExits) {
    EXPECT_FALSE(VariableForm::boundExit(" 2.5 "));
    EXPECT_EQ(VariableForm::boundExit("2,5")->text, "'2,5' is not a valid floating point value");
    EXPECT_FALSE(VariableForm::discretizationExit("20"));
    EXPECT_EQ(VariableForm::discretizationExit("1001")->text, "Discretization is out of range");
    EXPECT_EQ(VariableForm::discretizationExit("ten")->text, "'ten' is not a valid integer value");
}

}  // namespace
}  // namespace zorv
