#pragma once

#include <vector>

#include "app/core/TestOutcome.h"

namespace zorv {

class CRuleBase;

// One evaluation of the test window: inference and defuzzification at the inputs (the Takagi-Sugeno
// inference alone for a singleton rule base), with the output set and the fired rules it leaves. Always the
// plain inference: the F-transform filter takes part only in the projection.
class TestEvaluation {
public:
    // inputs: one value per input variable; a rule base without an output, a count that does not match and
    // an evaluation the rule base refuses give an outcome without value.
    static TestOutcome Run(CRuleBase& unit, std::vector<double> inputs);
};

}  // namespace zorv
