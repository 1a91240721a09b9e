#pragma once

#include <vector>

#include "rulebase/GridAxis.h"
#include "app/core/evaluation/PointBatch.h"
#include "app/core/evaluation/UnitEvaluatorSource.h"

namespace zorv {

class CRuleBase;

// The points of the projection plot: the output against one input while the others keep their values.
// With d = (high − low)/steps the input takes the steps + 1 values low + i·d, the last being high itself.
// The outputs come through the F-transform filter when the rule base's filter switch is on (Response()),
// otherwise from the plain inference.
class ProjectionCurve {
public:
    // More intervals than this are refused: the plot could not show them, and the points would fill memory.
    static constexpr int kMaxSteps = 100'000;

    // variable: an input index; steps: the number of intervals, below 1 taken as 1, at most kMaxSteps; at: one
    // value per input.
    // Anything else is refused with std::invalid_argument.
    ProjectionCurve(const CRuleBase& unit, int variable, int steps, std::vector<double> at);

    int Variable() const { return variable_; }
    int Steps() const { return axis_.count - 1; }
    const GridAxis& Axis() const { return axis_; }

    PointBatch Points() const;

    // The response the plot shows for the rule base as it is switched now.
    static UnitResponse Response(const CRuleBase& unit);

private:
    int variable_;
    GridAxis axis_;
    std::vector<double> at_;
};

}  // namespace zorv
