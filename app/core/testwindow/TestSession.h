#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/core/testwindow/ProjectionRequest.h"
#include "app/core/workbench/Prompter.h"
#include "app/core/testwindow/TestInputs.h"
#include "app/core/testwindow/TestOutcome.h"
#include "app/core/testwindow/UnitMethodChoices.h"
#include "inference/compiled/Workspace.h"

namespace zorv {

class CRuleBase;

// The test window's state over the rule base it tests (the editor's own, not a copy): the inputs, the
// method choices and the filter switch (which change the rule base itself), the steps of the projection,
// the plotted input and the highlighted point. The window shows what this holds and hands it every user
// action.
//
// The projection is asked for as a ProjectionRequest. It changes with the other inputs, the plotted input,
// the steps, the response and every change of the rule base (its compiled form), but not with the plotted
// input's own value: the curve does not depend on it.
class TestSession {
public:
    static constexpr int kInitialSteps = 25;

    // Writes the initial steps into the rule base, whose smooth defuzzification takes its resolution from them.
    explicit TestSession(CRuleBase& unit);

    CRuleBase& Unit() const { return unit_; }
    TestInputs& Inputs() { return inputs_; }
    const TestInputs& Inputs() const { return inputs_; }

    // --- methods and filter: indexes in Methods()' lists
    const UnitMethodChoices& Methods() const { return methods_; }
    void ChooseInference(int index);
    // The smooth defuzzification switches the filter off and makes it unavailable.
    void ChooseDefuzzification(int index);
    bool FilterAvailable() const;
    bool FilterOn() const;
    // Sets the rule base's filter switch; when the filter cannot be built, why (the switch stays as set).
    std::optional<std::string> SetFilter(bool on);

    // --- steps
    int Steps() const { return steps_; }
    // The Steps field's text, taken when it was changed. A refused text keeps the steps and gives the box to
    // show.
    std::optional<PromptMessage> SetSteps(std::string_view text);

    // --- projection
    int ProjectionVariable() const { return projectionVariable_; }
    void SetProjectionVariable(int input);
    bool ProjectionEnabled() const { return projectionEnabled_; }
    void SetProjectionEnabled(bool enabled) { projectionEnabled_ = enabled; }
    // The point of the curve to show highlighted, -1 for none.
    int HighlightedStep() const { return highlightedStep_; }
    // Picks point `step` (0 .. Steps()) of the curve: it is highlighted and the plotted input's slider moves
    // to it (position step / Steps()).
    void Pick(int step);
    void ClearHighlight() { highlightedStep_ = -1; }
    // None while the projection is switched off or the rule base has no input or no output.
    std::optional<ProjectionRequest> Projection() const;

    // --- evaluation at the inputs on the calling thread; TestEvaluation runs it elsewhere
    TestOutcome Evaluate();
    // The inference alone, without the value.
    TestOutcome Infer();
    std::string FiredText(const TestOutcome& outcome) const;

private:
    CRuleBase& unit_;
    UnitMethodChoices methods_;
    TestInputs inputs_;
    int steps_ = kInitialSteps;
    int projectionVariable_ = 0;
    bool projectionEnabled_ = true;
    int highlightedStep_ = -1;
    Workspace workspace_;
};

}  // namespace zorv
