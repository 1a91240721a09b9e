#include "app/core/testwindow/ProjectionCurve.h"

#include <algorithm>
#include <stdexcept>

#include "app/core/evaluation/InputGridCheck.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

ProjectionCurve::ProjectionCurve(const CRuleBase& unit, int variable, int steps, std::vector<double> at)
    : variable_(variable), at_(std::move(at)) {
    InputGridCheck::Require(unit, {variable}, at_);
    if (steps > kMaxSteps) throw std::invalid_argument("too many projection steps");
    axis_ = {unit.ContextLow(variable), unit.ContextHigh(variable), std::max(steps, 1) + 1};
}

PointBatch ProjectionCurve::Points() const {
    std::vector<double> coordinates;
    coordinates.reserve(static_cast<std::size_t>(axis_.count) * at_.size());
    for (int i = 0; i < axis_.count; ++i) {
        coordinates.insert(coordinates.end(), at_.begin(), at_.end());
        coordinates[coordinates.size() - at_.size() + static_cast<std::size_t>(variable_)] = axis_.Value(i);
    }
    return PointBatch(static_cast<int>(at_.size()), std::move(coordinates));
}

UnitResponse ProjectionCurve::Response(const CRuleBase& unit) {
    return unit.UseFuzzyFilter() ? UnitResponse::Filtered : UnitResponse::Plain;
}

}  // namespace zorv
