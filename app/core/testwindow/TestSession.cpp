#include "app/core/testwindow/TestSession.h"

#include <algorithm>
#include <variant>

#include "app/core/testwindow/FiredRulesText.h"
#include "app/core/testwindow/ProjectionCurve.h"
#include "app/core/testwindow/StepsText.h"
#include "app/core/testwindow/TestEvaluation.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

TestSession::TestSession(CRuleBase& unit) : unit_(unit), methods_(unit.descriptionType()), inputs_(unit) {
    unit_.SetSteps(steps_);
}

void TestSession::ChooseInference(int index) { methods_.chooseInference(unit_, index); }

void TestSession::ChooseDefuzzification(int index) { methods_.chooseDefuzzification(unit_, index); }

bool TestSession::FilterAvailable() const { return UnitMethodChoices::filterAvailable(unit_); }

bool TestSession::FilterOn() const { return unit_.UseFuzzyFilter(); }

std::optional<std::string> TestSession::SetFilter(bool on) { return unit_.SetUseFuzzyFilter(on); }

std::optional<PromptMessage> TestSession::SetSteps(std::string_view text) {
    const auto parsed = StepsText::Parse(text);
    if (const auto* refused = std::get_if<PromptMessage>(&parsed)) return *refused;
    steps_ = std::get<int>(parsed);
    unit_.SetSteps(steps_);
    highlightedStep_ = -1;
    return std::nullopt;
}

void TestSession::SetProjectionVariable(int input) {
    if (input < 0 || input >= inputs_.Count()) return;
    projectionVariable_ = input;
    highlightedStep_ = -1;
}

void TestSession::Pick(int step) {
    if (inputs_.Count() == 0) return;
    highlightedStep_ = std::clamp(step, 0, steps_);
    inputs_.SetPosition(projectionVariable_, static_cast<double>(highlightedStep_) / steps_);
}

std::optional<ProjectionRequest> TestSession::Projection() const {
    if (!projectionEnabled_ || inputs_.Count() == 0 || unit_.SuccedentCount() == 0) return std::nullopt;
    ProjectionRequest request{projectionVariable_, steps_, inputs_.Values(), ProjectionCurve::Response(unit_),
                              unit_.Compiled()};
    request.at[static_cast<std::size_t>(projectionVariable_)] = 0.0;
    return request;
}

TestOutcome TestSession::Evaluate() { return TestEvaluation::Run(*unit_.Compiled(), inputs_.Values(), workspace_); }

TestOutcome TestSession::Infer() { return TestEvaluation::Infer(*unit_.Compiled(), inputs_.Values(), workspace_); }

std::string TestSession::FiredText(const TestOutcome& outcome) const {
    return FiredRulesText::Of(unit_, outcome.fired, outcome.firedCount);
}

}  // namespace zorv
