#include "inference/filter/FTInferenceFilter.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ftransform/partition/EFTransformSettings.h"
#include "inference/ERefused.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "inference/filter/FilterRebuildCheck.h"
#include "inference/filter/FilterSampleGrid.h"
#include "inference/filter/ResponseSampler.h"

namespace zorv {

namespace {

std::vector<PartitionSettings> partitionsOf(const CompiledRuleBase& compiled) {
    std::vector<PartitionSettings> partitions;
    for (const AntecedentContext& context : compiled.contexts()) {
        PartitionSettings settings = PartitionSettings::forContext(context.low, context.high);
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

FTInferenceFilter::FTInferenceFilter(std::shared_ptr<const CompiledRuleBase> source,
                                     std::vector<PartitionSettings> partitions, std::unique_ptr<TFTransform> transform)
    : source_(std::move(source)), partitions_(std::move(partitions)), transform_(std::move(transform)) {}

std::shared_ptr<const FTInferenceFilter> FTInferenceFilter::Build(std::shared_ptr<const CompiledRuleBase> source,
                                                                  const Progress& progress, std::stop_token stop,
                                                                  int threads) {
    const CompiledRuleBase& compiled = *source;
    const FilterSampleGrid grid(compiled);
    if (const auto refusal = FilterRebuildCheck::refusal(compiled, grid)) throw ERefused(*refusal);
    std::vector<PartitionSettings> partitions = partitionsOf(compiled);
    std::unique_ptr<TFTransform> transform;
    try {
        transform = std::make_unique<TFTransform>(partitions);
    } catch (const EFTransformSettings& fault) {
        throw ERefused(std::string("The F-transform filter cannot be built: ") + fault.what());
    }
    transform->setDefaultValue((compiled.rules().low + compiled.rules().high) * 0.5);
    const auto responses = ResponseSampler(threads).sample(source, grid, progress, std::move(stop));
    if (!responses) return nullptr;
    fit(*transform, grid, *responses);
    return std::shared_ptr<const FTInferenceFilter>(
        new FTInferenceFilter(std::move(source), std::move(partitions), std::move(transform)));
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
