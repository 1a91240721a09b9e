#pragma once

#include <cstddef>

#include "app/core/UnitEvaluatorSource.h"

namespace zorv {

class CRuleBase;

// Decides where the test window evaluates: on the interface thread while the work is estimated to take at
// most a few milliseconds (a slider then follows the mouse without a round trip), otherwise in the
// background, where it shows its progress, can be cancelled and is superseded by newer input.
class EvaluationBudget {
public:
    // About 4 ms of work, in the units of PointCost.
    static constexpr double kForegroundCost = 12e6;

    // The rough cost of one evaluation, in visits of one output sample by one rule. Through the filter it
    // is small once the filter is built, and without bound while it still has to be built.
    static double PointCost(const CRuleBase& unit, UnitResponse response);
    static bool Foreground(const CRuleBase& unit, UnitResponse response, std::size_t points);
};

}  // namespace zorv
