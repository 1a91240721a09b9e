#include "inference/filter/FilterRebuildCheck.h"

#include <algorithm>
#include <cmath>

#include "inference/filter/FilterSampleGrid.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

std::string wholeNumber(double value) {
    return value < 1e18 ? std::to_string(static_cast<long long>(value)) : "more than 10^18";
}

}  // namespace

double FilterRebuildCheck::inferencesPerEvaluation(const CRuleBase& unit) {
    const bool linguistic = unit.descriptionType() == DescriptionType::linguistic;
    if (!linguistic || !unit.DefuzzificationMethod().smooth) return 1.0;
    const double perAxis = std::floor(0.8 * unit.Steps() / 0.999) + 1.0;
    return std::pow(std::max(perAxis, 1.0), unit.AntecedentCount());
}

double FilterRebuildCheck::inferences(const CRuleBase& unit, const FilterSampleGrid& grid) {
    return grid.pointCount() * inferencesPerEvaluation(unit);
}

std::optional<std::string> FilterRebuildCheck::contextFault(const CRuleBase& unit) {
    for (int k = 0; k < unit.AntecedentCount(); ++k) {
        const double low = unit.ContextLow(k);
        const double high = unit.ContextHigh(k);
        if (!std::isfinite(low) || !std::isfinite(high) || !(low < high)) {
            return "The F-transform filter cannot be built: the context of " + unit.VariableName(k) +
                   " is not an interval <low, high> with low < high.";
        }
    }
    const double low = unit.ContextLow(-1);
    const double high = unit.ContextHigh(-1);
    if (!std::isfinite(low) || !std::isfinite(high)) {
        return "The F-transform filter cannot be built: the context of " + unit.VariableName(-1) +
               " is not finite.";
    }
    return std::nullopt;
}

std::optional<std::string> FilterRebuildCheck::refusal(const CRuleBase& unit, const FilterSampleGrid& grid) {
    if (unit.AntecedentCount() == 0) return "The F-transform filter needs at least one input variable.";
    if (unit.SuccedentCount() == 0) return "The F-transform filter needs an output variable.";
    if (auto fault = contextFault(unit)) return fault;
    const double cost = inferences(unit, grid);
    if (cost > kMaxInferences) {
        return "Rebuilding the F-transform filter would need about " + wholeNumber(cost) + " inferences (at most " +
               wholeNumber(kMaxInferences) +
               " are run); use fewer input variables or another defuzzification method.";
    }
    return std::nullopt;
}

}  // namespace zorv
