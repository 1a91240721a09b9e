#include "app/core/testwindow/TestEvaluation.h"

#include <algorithm>
#include <stdexcept>

#include "inference/ERefused.h"
#include "inference/InferenceMethodTable.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "inference/compiled/Workspace.h"
#include "inference/methods/InferenceMethods.h"

namespace zorv {

namespace {

// Why the snapshot cannot be evaluated at these inputs at all; empty when it can.
std::string Fault(const CompiledRuleBase& compiled, const std::vector<double>& inputs) {
    if (compiled.outputSamples() == 0 && compiled.descriptionType() == DescriptionType::linguistic) {
        return "The rule base has no output variable.";
    }
    if (inputs.size() != static_cast<std::size_t>(compiled.antecedentCount())) {
        return "The rule base's input variables changed; open the test window again.";
    }
    if (compiled.refusal()) return *compiled.refusal();
    return {};
}

bool GivesSet(const CompiledRuleBase& compiled) {
    return compiled.descriptionType() == DescriptionType::linguistic &&
           compiled.inferenceMethod().kind != InferenceKind::TakagiSugeno;
}

// What the inference left in the workspace. A method that marks no rules (the fuzzy-input ones) leaves no
// count; it shows as none fired.
void TakeFired(TestOutcome& outcome, const Workspace& workspace) {
    outcome.fired.assign(workspace.Fired().begin(), workspace.Fired().end());
    outcome.firedCount = std::max(workspace.FiredCount(), 0);
}

}  // namespace

TestOutcome TestEvaluation::Run(const CompiledRuleBase& compiled, std::vector<double> inputs, Workspace& workspace) {
    TestOutcome outcome;
    outcome.inputs = std::move(inputs);
    if (outcome.refusal = Fault(compiled, outcome.inputs); !outcome.refusal.empty()) return outcome;
    workspace.firedCount = -1;
    try {
        outcome.value = compiled.evaluate(outcome.inputs, workspace);
    } catch (const ERefused& refused) {
        outcome.refusal = refused.what();
        return outcome;
    }
    if (GivesSet(compiled)) outcome.conclusion = workspace.Conclusion();
    TakeFired(outcome, workspace);
    return outcome;
}

TestOutcome TestEvaluation::Infer(const CompiledRuleBase& compiled, std::vector<double> inputs, Workspace& workspace) {
    TestOutcome outcome;
    outcome.inputs = std::move(inputs);
    if (outcome.refusal = Fault(compiled, outcome.inputs); !outcome.refusal.empty()) return outcome;
    workspace.Fit(compiled);
    workspace.firedCount = -1;
    if (GivesSet(compiled)) {
        InferConclusion(compiled.inferenceMethod(), compiled, workspace, outcome.inputs.data(), workspace.conclusion);
        outcome.conclusion = workspace.Conclusion();
    } else {
        InferTakagiSugeno(compiled, workspace, outcome.inputs.data());
    }
    TakeFired(outcome, workspace);
    return outcome;
}

}  // namespace zorv
