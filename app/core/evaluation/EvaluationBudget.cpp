#include "app/core/evaluation/EvaluationBudget.h"

#include <cmath>
#include <limits>

#include "inference/compiled/CompiledRuleBase.h"
#include "inference/filter/FilterRebuildCheck.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

double EvaluationBudget::PointCost(const CRuleBase& unit, UnitResponse response) {
    if (response == UnitResponse::Filtered) {
        if (!unit.FilterIsCurrent()) return std::numeric_limits<double>::infinity();
        return std::pow(2.0, unit.AntecedentCount());
    }
    return unit.Compiled()->evaluationCost();
}

double EvaluationBudget::InferenceCost(const CompiledRuleBase& compiled) {
    return compiled.evaluationCost() / FilterRebuildCheck::inferencesPerEvaluation(compiled);
}

bool EvaluationBudget::Foreground(double cost, std::size_t points) {
    return cost * static_cast<double>(points) <= kForegroundCost;
}

}  // namespace zorv
