#include "app/core/EvaluationBudget.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "inference/filter/FilterRebuildCheck.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

// Rules whose degree is not 0 at a point: usually a few neighbours, whatever the size of the rule base.
constexpr double kActiveRules = 8.0;

}  // namespace

double EvaluationBudget::PointCost(const CRuleBase& unit, UnitResponse response) {
    if (response == UnitResponse::Filtered) {
        if (unit.Filter() == nullptr) return std::numeric_limits<double>::infinity();
        return std::pow(2.0, unit.AntecedentCount());
    }
    const double rules = unit.RuleCount();
    if (unit.SuccedentCount() == 0 || unit.descriptionType() != DescriptionType::linguistic) return rules + 1.0;
    const double samples = unit.Discretization(-1);
    const double inference = rules + 1.0 + samples * (std::min(rules, kActiveRules) + 1.0);
    return FilterRebuildCheck::inferencesPerEvaluation(unit) * (inference + 2.0 * samples);
}

bool EvaluationBudget::Foreground(const CRuleBase& unit, UnitResponse response, std::size_t points) {
    return PointCost(unit, response) * static_cast<double>(points) <= kForegroundCost;
}

}  // namespace zorv
