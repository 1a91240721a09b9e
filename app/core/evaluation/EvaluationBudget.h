#pragma once

#include <cstddef>

#include "app/core/evaluation/UnitEvaluatorSource.h"

namespace zorv {

class CRuleBase;
class CompiledRuleBase;

// Decides where the test window evaluates: on the interface thread while the work is estimated to take at
// most a few milliseconds (a slider then follows the mouse without a round trip), otherwise in the
// background, where it shows its progress, can be cancelled and is superseded by newer input. Costs are in
// the units of CompiledRuleBase::evaluationCost (one output sample visited by one rule, about a tenth of a
// nanosecond).
class EvaluationBudget {
public:
    // About 2 ms of work on the benchmark rule bases.
    static constexpr double kForegroundCost = 2e7;

    // One evaluation through the response. Through the filter it is small once the filter is built from the
    // current compiled form, and without bound while it still has to be built.
    static double PointCost(const CRuleBase& unit, UnitResponse response);
    // The inference alone, without the defuzzification (which under the smooth method re-infers at every
    // point of a neighbourhood).
    static double InferenceCost(const CompiledRuleBase& compiled);
    static bool Foreground(double cost, std::size_t points = 1);
};

}  // namespace zorv
