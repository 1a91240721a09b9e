#include <algorithm>

#include "inference/compiled/CompiledRuleBase.h"
#include "inference/filter/FTInferenceFilter.h"
#include "inference/filter/FilterRebuildCheck.h"
#include "inference/filter/FilterSampleGrid.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

// The unit's evaluation face: the setters of what evaluation reads, the plain evaluation on the unit's own
// workspace, and the F-transform filter.

void CRuleBase::SetDescriptionType(DescriptionType type) {
    descriptionType_ = type;
    Rechoose();
}

void CRuleBase::SetInferenceMethod(const InferenceMethodEntry& method) {
    inferenceMethod_ = &method;
    Rechoose();
}

void CRuleBase::SetDefuzzificationMethod(const DefuzzificationMethodEntry& method) {
    defuzzificationMethod_ = &method;
    Rechoose();
}

void CRuleBase::SetPerceptionUpper(double value) {
    perceptionUpper_ = value;
    Rechoose();
}

void CRuleBase::SetPerceptionLower(double value) {
    perceptionLower_ = value;
    Rechoose();
}

void CRuleBase::SetSteps(int steps) {
    steps_ = steps;
    Rechoose();
}

double CRuleBase::Evaluate(const double* inputs) {
    return compiled_->evaluate(std::span(inputs, static_cast<std::size_t>(AntecedentCount())), workspace_);
}

double CRuleBase::Evaluate(std::span<const double> inputs) { return compiled_->evaluate(inputs, workspace_); }

std::optional<std::string> CRuleBase::SetUseFuzzyFilter(bool use) {
    useFuzzyFilter_ = use;
    return use ? FilterRefusal() : std::nullopt;
}

std::optional<std::string> CRuleBase::FilterRefusal() const {
    return FilterRebuildCheck::refusal(*compiled_, FilterSampleGrid(*compiled_));
}

bool CRuleBase::FilterIsCurrent() const { return filter_ != nullptr && filter_->Source() == compiled_; }

bool CRuleBase::RebuildFilter(const FilterProgress& progress, std::stop_token stop) {
    auto filter = FTInferenceFilter::Build(compiled_, progress, std::move(stop));
    if (filter == nullptr) return false;
    filter_ = std::move(filter);
    // The unit shows what evaluating the last sample shows.
    const FilterSampleGrid grid(*compiled_);
    std::vector<double> last(static_cast<std::size_t>(grid.dimensions()));
    for (int k = 0; k < grid.dimensions(); ++k) last[static_cast<std::size_t>(k)] = grid.coordinates(k).back();
    Evaluate(last);
    return true;
}

double CRuleBase::EvaluateFiltered(const double* inputs) {
    if (!FilterIsCurrent()) RebuildFilter();
    return filter_->Evaluate(inputs);
}

}  // namespace zorv
