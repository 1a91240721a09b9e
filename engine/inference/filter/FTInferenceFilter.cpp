#include "inference/filter/FTInferenceFilter.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ftransform/partition/EFTransformSettings.h"
#include "inference/ERefused.h"
#include "inference/filter/FilterRebuildCheck.h"
#include "inference/filter/FilterSampleGrid.h"
#include "inference/filter/ResponseSampler.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

std::vector<PartitionSettings> partitionsOf(const CRuleBase& unit) {
    std::vector<PartitionSettings> partitions;
    for (int k = 0; k < unit.AntecedentCount(); ++k) {
        PartitionSettings settings = PartitionSettings::forContext(unit.ContextLow(k), unit.ContextHigh(k));
        settings.nodes = FTInferenceFilter::kNodes;
        settings.shape = BasicFunctionShape::Triangular;
        partitions.push_back(settings);
    }
    return partitions;
}

// Adds every sample point with its response, in grid order.
void fit(TFTransform& transform, const FilterSampleGrid& grid, const std::vector<double>& responses) {
    const auto n = static_cast<std::size_t>(grid.dimensions());
    std::vector<double> point(n + 1);
    transform.reset();
    for (std::size_t i = 0; i < responses.size(); ++i) {
        grid.point(static_cast<std::int64_t>(i), std::span(point.data(), n));
        point[n] = responses[i];
        transform.addPoint(point);
    }
    transform.finish();
}

}  // namespace

FTInferenceFilter::FTInferenceFilter(CRuleBase& unit, const Progress& progress, int threads)
    : unit_(unit), threads_(threads) {
    Rebuild(progress);
}

void FTInferenceFilter::Rebuild(const Progress& progress) {
    const FilterSampleGrid grid(unit_);
    if (const auto refusal = FilterRebuildCheck::refusal(unit_, grid)) throw ERefused(*refusal);
    std::vector<PartitionSettings> partitions = partitionsOf(unit_);
    std::unique_ptr<TFTransform> transform;
    try {
        transform = std::make_unique<TFTransform>(partitions);
    } catch (const EFTransformSettings& fault) {
        throw ERefused(std::string("The F-transform filter cannot be built: ") + fault.what());
    }
    transform->setDefaultValue((unit_.ContextLow(-1) + unit_.ContextHigh(-1)) * 0.5);
    fit(*transform, grid, ResponseSampler(threads_).sample(unit_, grid, progress));
    partitions_ = std::move(partitions);
    transform_ = std::move(transform);
}

double FTInferenceFilter::Evaluate(std::span<const double> inputs) const {
    std::vector<double> x(partitions_.size());
    for (std::size_t k = 0; k < x.size(); ++k) {
        if (std::isnan(inputs[k])) return std::numeric_limits<double>::quiet_NaN();
        x[k] = std::clamp(inputs[k], partitions_[k].low, partitions_[k].high);
    }
    return transform_->inverse(x);
}

}  // namespace zorv
