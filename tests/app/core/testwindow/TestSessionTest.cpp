// The test window's logic without widgets: inputs from sliders and typed text, the steps field, the
// projection's requests, frame and picking, the output curve, one evaluation, and the rule base text.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <variant>

#include "app/core/testwindow/FiredRulesText.h"
#include "app/core/testwindow/OutputCurve.h"
#include "app/core/testwindow/ProjectionGeometry.h"
#include "app/core/files/RuleBaseSaver.h"
#include "app/core/testwindow/TestSession.h"
#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "rulebase/CRuleBase.h"
#include "tests/support/RuleBaseTextBuilder.h"
#include "tests/support/ScratchFolder.h"

namespace zorv {
namespace {

std::string Example(const char* name) { return std::string(ZORV_SOURCE_DIR) + "/examples/" + name; }

// Inputs on <0, 10> and <-5, 5>; output on <-1, 3>.
std::unique_ptr<CRuleBase> TwoInputs() {
    test::RuleBaseTextBuilder b;
    b.input({"a", 0, 10}).input({"b", -5, 5}).output({"y", -1, 3});
    b.rule({"sm", "sm", "sm"}).rule({"bi", "bi", "bi"});
    return b.load();
}

TEST(TestSession, TypedValuesTakeACommaAndAreRefusedSilentlyOutsideTheContext) {
    const auto unit = TwoInputs();
    TestSession session(*unit);
    TestInputs& inputs = session.Inputs();
    EXPECT_EQ(inputs.Position(0), 0.5);
    EXPECT_EQ(inputs.Value(1), 0.0);

    const struct {
        const char* text;
        bool taken;
        double position;
    } cases[] = {{"3,5", true, 0.35}, {" 7.25 ", true, 0.725}, {"10", true, 1.0},   {"0", true, 0.0},
                 {"10.5", false, 0.0}, {"-1", false, 0.0},     {"abc", false, 0.0}, {"", false, 0.0},
                 {"1,2,3", false, 0.0}, {"3.5x", false, 0.0},  {"nan", false, 0.0}, {"inf", false, 0.0}};
    for (const auto& c : cases) {
        inputs.SetPosition(0, 0.0);
        EXPECT_EQ(inputs.SetTyped(0, c.text), c.taken) << c.text;
        EXPECT_DOUBLE_EQ(inputs.Position(0), c.position) << c.text;
    }
    ASSERT_TRUE(inputs.SetTyped(0, "3,7"));
    EXPECT_EQ(inputs.Value(0), 3.7);  // exactly as typed, not through the slider's position

    // A slider is held within its axis; its ends are the context's bounds.
    inputs.SetPosition(1, 1.5);
    EXPECT_EQ(inputs.Value(1), 5.0);
    inputs.SetPosition(1, -2.0);
    EXPECT_EQ(inputs.Value(1), -5.0);
    inputs.SetPosition(1, std::nan(""));
    EXPECT_EQ(inputs.Position(1), 0.0);
    EXPECT_EQ(inputs.Values(), (std::vector<double>{3.7, -5.0}));
}

TEST(TestSession, StepsAreWholeNumbersOfAtLeastOneAndRefusedTextKeepsThem) {
    const auto unit = TwoInputs();
    TestSession session(*unit);
    EXPECT_EQ(unit->Steps(), TestSession::kInitialSteps);

    for (const auto& [text, steps] : std::vector<std::pair<std::string, int>>{{"40", 40}, {"0", 1}, {"-7", 1}}) {
        EXPECT_FALSE(session.SetSteps(text)) << text;
        EXPECT_EQ(session.Steps(), steps) << text;
        EXPECT_EQ(unit->Steps(), steps) << text;
    }
    ASSERT_FALSE(session.SetSteps("30"));
    for (const std::string bad : {"x", "2.5", "", "1000000"}) {
        const auto refused = session.SetSteps(bad);
        ASSERT_TRUE(refused) << bad;
        EXPECT_EQ(refused->caption, "Error");
        EXPECT_EQ(session.Steps(), 30) << bad;
    }
    EXPECT_EQ(session.SetSteps("x")->text, "'x' is not a valid integer value");
}

TEST(TestSession, TheProjectionIsAskedAnewExceptForThePlottedInputsOwnValue) {
    const auto unit = TwoInputs();
    TestSession session(*unit);
    const auto first = session.Projection();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->steps, 25);

    session.Inputs().SetPosition(0, 0.9);  // the plotted input
    EXPECT_EQ(session.Projection(), first);
    session.Inputs().SetPosition(1, 0.9);
    const auto moved = session.Projection();
    EXPECT_NE(moved, first);
    session.ChooseInference(3);
    EXPECT_NE(session.Projection(), moved);

    // Picking point 10 of 25 highlights it and puts the plotted input there.
    session.Pick(10);
    EXPECT_EQ(session.HighlightedStep(), 10);
    EXPECT_DOUBLE_EQ(session.Inputs().Value(0), 4.0);
    session.SetProjectionVariable(1);
    EXPECT_EQ(session.HighlightedStep(), -1);
    session.Pick(40);
    EXPECT_EQ(session.HighlightedStep(), 25);
    EXPECT_EQ(session.Inputs().Value(1), 5.0);

    session.SetProjectionEnabled(false);
    EXPECT_FALSE(session.Projection());
}

TEST(TestSession, TheSmoothDefuzzificationSwitchesTheFilterOff) {
    const auto unit = TwoInputs();
    TestSession session(*unit);
    EXPECT_FALSE(session.SetFilter(true));
    EXPECT_TRUE(session.FilterOn());
    EXPECT_EQ(session.Projection()->response, UnitResponse::Filtered);
    session.ChooseDefuzzification(6);
    EXPECT_FALSE(session.FilterOn());
    EXPECT_FALSE(session.FilterAvailable());
    session.ChooseDefuzzification(0);
    EXPECT_TRUE(session.FilterAvailable());
    EXPECT_FALSE(session.FilterOn());
}

TEST(ProjectionGeometry, PlacesPicksAndDrawsTheZeroLineWhereTheOutputIsZero) {
    // 260 × 160 pixels: x from 40 to 240, y from 120 (bottom) up to 20.
    const ProjectionGeometry plot(260, 160, 0, 10, -1, 3);
    EXPECT_EQ(plot.X(0), 40);
    EXPECT_EQ(plot.X(10), 240);
    EXPECT_EQ(plot.Y(-1), 120);
    EXPECT_EQ(plot.Y(3), 20);
    // The zero of <-1, 3> lies a quarter of the way up, not in the middle of the area.
    EXPECT_EQ(plot.ZeroLine(), 95);
    EXPECT_EQ(ProjectionGeometry(260, 160, 0, 1, -2, 2).ZeroLine(), 70);
    EXPECT_FALSE(ProjectionGeometry(260, 160, 0, 1, 0, 2).ZeroLine());

    // u = (x − 40)/200 within [0, 1], times the steps, rounded half up.
    EXPECT_EQ(plot.PickStep(0, 25), 0);
    EXPECT_EQ(plot.PickStep(44, 25), 1);    // 0.5 rounds up
    EXPECT_EQ(plot.PickStep(43.9, 25), 0);
    EXPECT_EQ(plot.PickStep(140, 25), 13);  // 12.5
    EXPECT_EQ(plot.PickStep(900, 25), 25);

    // A context without width puts everything at the axes' start instead of dividing by zero.
    const ProjectionGeometry flat(260, 160, 5, 5, 1, 1);
    EXPECT_EQ(flat.X(5), 40);
    EXPECT_EQ(flat.Y(1), 120);
}

TEST(OutputCurve, OnePointPerPixelColumnEndingOnTheAxis) {
    // A triangle over <0, 4> peaking at 2, sampled at 5 points.
    const CFuzzyDiscreteSet set({0.0, 0.5, 1.0, 0.5, 0.0}, 0.0, 4.0);
    const std::vector<PlotPoint> curve = OutputCurve::Of(set, 0.0, 4.0, 140, 100);  // axis at y = 70, top 30
    ASSERT_EQ(curve.size(), 102u);
    EXPECT_EQ(curve.front(), (PlotPoint{20, 70}));
    EXPECT_EQ(curve[50], (PlotPoint{70, 30}));       // x = 2, μ = 1
    EXPECT_EQ(curve[25], (PlotPoint{45, 50}));       // x = 1, μ = 0.5
    EXPECT_EQ(curve[100], (PlotPoint{120, 70}));
    EXPECT_EQ(curve.back(), (PlotPoint{120, 70}));
    EXPECT_TRUE(OutputCurve::Of(set, 0.0, 4.0, 40, 100).empty());
}

TEST(TestEvaluation, GivesTheOutputSetTheValueAndTheFiredRules) {
    const auto heater = CRuleBase::Load(Example("heater.rb"));
    TestSession session(*heater);
    const TestOutcome outcome = session.Evaluate();
    ASSERT_TRUE(outcome.value);
    ASSERT_TRUE(outcome.conclusion);
    Workspace ws;
    EXPECT_EQ(*outcome.value, heater->Evaluate(outcome.inputs.data(), ws));
    EXPECT_EQ(outcome.conclusion->count(), heater->Discretization(-1));
    EXPECT_GT(outcome.firedCount, 0);
    EXPECT_EQ(session.FiredText(outcome), FiredRulesText::Of(*heater, ws.Fired(), ws.FiredCount()));
    // The inference alone leaves the same set and rules, without the value.
    const TestOutcome inferred = session.Infer();
    EXPECT_FALSE(inferred.value);
    EXPECT_EQ(inferred.conclusion->values(), outcome.conclusion->values());
    EXPECT_EQ(inferred.fired, outcome.fired);

    // A singleton rule base gives the number alone.
    const auto fan = CRuleBase::Load(Example("fan.rb"));
    const TestOutcome crisp = TestSession(*fan).Evaluate();
    EXPECT_TRUE(crisp.value);
    EXPECT_FALSE(crisp.conclusion);

    // An evaluation the rule base refuses (the smooth defuzzification at a resolution beyond its bound)
    // gives a reason instead of a number.
    session.ChooseDefuzzification(6);
    ASSERT_FALSE(session.SetSteps("100000"));
    const TestOutcome refused = session.Evaluate();
    EXPECT_FALSE(refused.value);
    EXPECT_FALSE(refused.refusal.empty());
    EXPECT_EQ(session.FiredText(refused), "Number of fired rules: 0\n");
}

TEST(TestEvaluation, WithNoRuleFiredTheTextHoldsOnlyTheCount) {
    test::RuleBaseTextBuilder b;
    b.input({"a", 0, 10}).output({"y", 0, 1}).rule({"ex sm", "sm"});
    const auto unit = b.load();
    TestSession session(*unit);
    session.Inputs().SetPosition(0, 1.0);
    EXPECT_EQ(session.FiredText(session.Evaluate()), "Number of fired rules: 0\n");
}

// The window shows the writer's text from memory; nothing is written to the disk for it.
TEST(RuleBaseSaver, TextIsWhatASaveWrites) {
    const auto unit = CRuleBase::Load(Example("heater.rb"));
    const auto text = RuleBaseSaver::text(*unit);
    ASSERT_TRUE(std::holds_alternative<std::string>(text));
    const test::ScratchFolder folder;
    ASSERT_FALSE(RuleBaseSaver::write(*unit, folder.path("stored.rb")));
    EXPECT_EQ(std::get<std::string>(text), test::fileText(folder / "stored.rb"));
}

}  // namespace
}  // namespace zorv
