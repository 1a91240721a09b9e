#pragma once

#include <memory>
#include <vector>

#include "app/core/evaluation/UnitEvaluatorSource.h"

namespace zorv {

class CompiledRuleBase;

// What a projection curve is computed for: the plotted input, the steps, the values of the other inputs,
// the response (plain or through the filter) and the compiled form of the rule base, which is made anew by
// every change of rules, variables, methods or steps. Equal requests give equal curves, so a curve shown or
// on its way for an equal request need not be computed again.
struct ProjectionRequest {
    int variable = 0;
    int steps = 0;
    // One value per input; the plotted input's own is 0, since the curve does not depend on it.
    std::vector<double> at;
    UnitResponse response = UnitResponse::Plain;
    // Compared by identity; held, so that the address cannot come back for another form.
    std::shared_ptr<const CompiledRuleBase> compiled;

    bool operator==(const ProjectionRequest&) const = default;
};

}  // namespace zorv
