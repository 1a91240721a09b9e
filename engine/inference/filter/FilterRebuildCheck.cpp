#include "inference/filter/FilterRebuildCheck.h"

#include <algorithm>
#include <cmath>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "inference/filter/FilterSampleGrid.h"

namespace zorv {

namespace {

std::string wholeNumber(double value) {
    return value < 1e18 ? std::to_string(static_cast<long long>(value)) : "more than 10^18";
}

}  // namespace

double FilterRebuildCheck::inferencesPerEvaluation(const CompiledRuleBase& compiled) {
    const bool linguistic = compiled.descriptionType() == DescriptionType::linguistic;
    if (!linguistic || !compiled.defuzzificationMethod().smooth) return 1.0;
    const double perAxis = std::floor(0.8 * compiled.steps() / 0.999) + 1.0;
    return std::pow(std::max(perAxis, 1.0), compiled.antecedentCount());
}

double FilterRebuildCheck::inferences(const CompiledRuleBase& compiled, const FilterSampleGrid& grid) {
    return grid.pointCount() * inferencesPerEvaluation(compiled);
}

std::optional<std::string> FilterRebuildCheck::contextFault(const CompiledRuleBase& compiled) {
    const CompiledRules& rules = compiled.rules();
    for (int k = 0; k < rules.antecedentCount; ++k) {
        const AntecedentContext& context = rules.contexts[static_cast<std::size_t>(k)];
        if (!std::isfinite(context.low) || !std::isfinite(context.high) || !(context.low < context.high)) {
            return "The F-transform filter cannot be built: the context of " +
                   rules.antecedentNames[static_cast<std::size_t>(k)] +
                   " is not an interval <low, high> with low < high.";
        }
    }
    if (!std::isfinite(rules.low) || !std::isfinite(rules.high)) {
        return "The F-transform filter cannot be built: the context of " + rules.outputName + " is not finite.";
    }
    return std::nullopt;
}

std::optional<std::string> FilterRebuildCheck::costFault(const CompiledRuleBase& compiled,
                                                         const FilterSampleGrid& grid) {
    const double count = inferences(compiled, grid);
    if (count > kMaxInferences) {
        return "Rebuilding the F-transform filter would need about " + wholeNumber(count) + " inferences (at most " +
               wholeNumber(kMaxInferences) +
               " are run); use fewer input variables or another defuzzification method.";
    }
    const double work = grid.pointCount() * compiled.evaluationCost();
    if (work > kMaxWork) {
        return "Rebuilding the F-transform filter would take too long: " + wholeNumber(grid.pointCount()) +
               " evaluations of a rule base with " + std::to_string(compiled.ruleCount()) +
               " rules and an output discretization of " + std::to_string(compiled.rules().samples) +
               ", about " + wholeNumber(std::ceil(work / kMaxWork)) +
               " times the work allowed; use fewer input variables, fewer rules or a coarser output "
               "discretization.";
    }
    return std::nullopt;
}

std::optional<std::string> FilterRebuildCheck::refusal(const CompiledRuleBase& compiled,
                                                       const FilterSampleGrid& grid) {
    if (compiled.antecedentCount() == 0) return "The F-transform filter needs at least one input variable.";
    if (compiled.rules().succedentCount == 0) return "The F-transform filter needs an output variable.";
    if (compiled.refusal()) return compiled.refusal();
    if (auto fault = contextFault(compiled)) return fault;
    return costFault(compiled, grid);
}

}  // namespace zorv
