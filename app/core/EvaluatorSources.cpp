#include "app/core/EvaluatorSources.h"

namespace zorv {

std::unique_ptr<EvaluatorSource> EvaluatorSources::For(CRuleBase& unit, UnitResponse response) {
    return std::make_unique<UnitEvaluatorSource>(unit, response);
}

}  // namespace zorv
