#pragma once

#include <vector>

#include "app/core/testwindow/TestOutcome.h"

namespace zorv {

class CompiledRuleBase;
class Workspace;

// One evaluation of the test window on a compiled snapshot of the rule base: inference and defuzzification at
// the inputs (the Takagi-Sugeno inference alone for a singleton rule base), with the output set and the fired
// rules it leaves. Always the plain inference: the F-transform filter takes part only in the projection. The
// snapshot is immutable, so this runs on any thread, each with a workspace of its own.
class TestEvaluation {
public:
    // inputs: one value per input variable. A count that does not match, a rule base without an output and an
    // evaluation the rule base refuses give an outcome without value.
    static TestOutcome Run(const CompiledRuleBase& compiled, std::vector<double> inputs, Workspace& workspace);
    // The inference alone: the output set and the fired rules, without the value. The value may cost far more
    // (the smooth defuzzification runs an inference at every point of a neighbourhood).
    static TestOutcome Infer(const CompiledRuleBase& compiled, std::vector<double> inputs, Workspace& workspace);
};

}  // namespace zorv
