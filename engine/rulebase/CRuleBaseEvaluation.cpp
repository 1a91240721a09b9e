#include <algorithm>

#include "inference/compiled/CompiledRuleBase.h"
#include "inference/compiled/Workspace.h"
#include "inference/filter/FTInferenceFilter.h"
#include "inference/filter/FilterRebuildCheck.h"
#include "inference/filter/FilterSampleGrid.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

// The unit's evaluation face: the setters of what evaluation reads, the plain evaluation on a caller's
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

double CRuleBase::Evaluate(std::span<const double> inputs, Workspace& workspace) const {
    return compiled_->evaluate(inputs, workspace);
}

double CRuleBase::Evaluate(const double* inputs, Workspace& workspace) const {
    return Evaluate(std::span(inputs, static_cast<std::size_t>(AntecedentCount())), workspace);
}

double CRuleBase::Evaluate(std::span<const double> inputs) const {
    Workspace workspace;
    return Evaluate(inputs, workspace);
}

double CRuleBase::Evaluate(const double* inputs) const {
    Workspace workspace;
    return Evaluate(inputs, workspace);
}

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
    return true;
}

double CRuleBase::EvaluateFiltered(const double* inputs) {
    if (!FilterIsCurrent()) RebuildFilter();
    return filter_->Evaluate(inputs);
}

}  // namespace zorv
