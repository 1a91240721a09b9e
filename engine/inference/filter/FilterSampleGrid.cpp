#include "inference/filter/FilterSampleGrid.h"

#include <cmath>

#include "inference/compiled/CompiledRuleBase.h"

namespace zorv {

namespace {

// More coordinates than any proper context gives; a guard against an accumulation that never ends.
constexpr std::size_t kMaxCoordinates = 1000;

}  // namespace

FilterSampleGrid::FilterSampleGrid(const CompiledRuleBase& compiled) {
    for (const AntecedentContext& context : compiled.contexts()) addAxis(context.low, context.high);
}

FilterSampleGrid::FilterSampleGrid(std::span<const double> lowHighPairs) {
    for (std::size_t i = 0; i + 1 < lowHighPairs.size(); i += 2) addAxis(lowHighPairs[i], lowHighPairs[i + 1]);
}

void FilterSampleGrid::addAxis(double low, double high) {
    std::vector<double> axis{low};
    const double step = (high - low) * 0.999 * 0.005;
    double c = low;
    while (axis.size() < kMaxCoordinates) {
        const double next = c + step;
        if (!(next > c) || !(next <= high)) break;
        axis.push_back(next);
        c = next;
    }
    axes_.push_back(std::move(axis));
}

double FilterSampleGrid::pointCount() const {
    if (axes_.empty()) return 0.0;
    double count = 1.0;
    for (const auto& axis : axes_) count *= static_cast<double>(axis.size());
    return count;
}

void FilterSampleGrid::point(std::int64_t index, std::span<double> point) const {
    for (std::size_t k = 0; k < axes_.size(); ++k) {
        const auto size = static_cast<std::int64_t>(axes_[k].size());
        point[k] = axes_[k][static_cast<std::size_t>(index % size)];
        index /= size;
    }
}

}  // namespace zorv
