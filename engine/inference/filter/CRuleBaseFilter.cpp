#include "inference/ERefused.h"
#include "inference/filter/FTInferenceFilter.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

// The unit's side of the F-transform filter: the switch, the rebuild and the filtered evaluation.

std::optional<std::string> CRuleBase::SetUseFuzzyFilter(bool use, const FilterProgress& progress) {
    if (use == useFuzzyFilter_) return std::nullopt;
    useFuzzyFilter_ = use;
    if (!use) return std::nullopt;
    try {
        RebuildFilter(progress);
    } catch (const ERefused& refused) {
        return refused.what();
    }
    return std::nullopt;
}

void CRuleBase::RebuildFilter(const FilterProgress& progress) {
    if (filter_) {
        filter_->Rebuild(progress);
    } else {
        filter_ = std::make_unique<FTInferenceFilter>(*this, progress);
    }
}

double CRuleBase::EvaluateFiltered(const double* inputs) {
    if (!filter_ || filter_->dimensions() != static_cast<std::size_t>(AntecedentCount())) RebuildFilter();
    return filter_->Evaluate(inputs);
}

}  // namespace zorv
