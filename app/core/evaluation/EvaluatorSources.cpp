#include "app/core/evaluation/EvaluatorSources.h"

#include "app/core/evaluation/CompiledEvaluatorSource.h"
#include "inference/compiled/ChunkRunner.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

// The plain output, and the filtered one once the unit holds a filter made from its current compiled form,
// are evaluated on that snapshot on every core. A filtered request without a current filter goes through the
// document, which builds the filter first on the calling thread.
std::unique_ptr<EvaluatorSource> EvaluatorSources::For(CRuleBase& unit, UnitResponse response) {
    if (response == UnitResponse::Plain) {
        return std::make_unique<CompiledEvaluatorSource>(unit.Compiled(), nullptr, ChunkRunner::cores());
    }
    if (unit.Filter() && unit.FilterIsCurrent()) {
        return std::make_unique<CompiledEvaluatorSource>(unit.Compiled(), unit.Filter(), ChunkRunner::cores());
    }
    return std::make_unique<UnitEvaluatorSource>(unit, response);
}

}  // namespace zorv
