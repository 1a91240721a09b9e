#pragma once

#include <memory>

#include "app/core/evaluation/EvaluatorSource.h"
#include "app/core/evaluation/UnitEvaluatorSource.h"

namespace zorv {

class CRuleBase;

// The one place that decides how batches of points (surfaces, projections) are evaluated on a rule base:
// the windows and the command-line tool take their evaluators from here, so they agree number for number.
class EvaluatorSources {
public:
    // Evaluators for the unit as it is now; make a new source for each computation. A source with
    // Concurrency() 1 refers to the unit, which must then outlive it; the others hold a snapshot of their own.
    static std::unique_ptr<EvaluatorSource> For(CRuleBase& unit, UnitResponse response);
};

}  // namespace zorv
