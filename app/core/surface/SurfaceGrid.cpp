#include "app/core/surface/SurfaceGrid.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "app/core/evaluation/InputGridCheck.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

SurfaceGrid::SurfaceGrid(const CRuleBase& unit, int variable1, int variable2, int steps, std::vector<double> at)
    : variable1_(variable1), variable2_(variable2), at_(std::move(at)) {
    InputGridCheck::Require(unit, {variable1, variable2}, at_);
    if (variable1 == variable2) throw std::invalid_argument("a surface needs two different input variables");
    if (steps < kMinSteps || steps > kMaxSteps) throw std::invalid_argument("surface steps run from 2 to 1000");
    axis1_ = {unit.ContextLow(variable1), unit.ContextHigh(variable1), steps};
    axis2_ = {unit.ContextLow(variable2), unit.ContextHigh(variable2), steps};
    outputLow_ = unit.ContextLow(-1);
    outputHigh_ = unit.ContextHigh(-1);
}

PointBatch SurfaceGrid::Points() const {
    const std::size_t n = static_cast<std::size_t>(Steps());
    std::vector<double> coordinates;
    coordinates.reserve(n * n * at_.size());
    for (int r = 0; r < Steps(); ++r) {
        for (int c = 0; c < Steps(); ++c) {
            coordinates.insert(coordinates.end(), at_.begin(), at_.end());
            double* point = coordinates.data() + coordinates.size() - at_.size();
            point[variable1_] = axis1_.Value(c);
            point[variable2_] = axis2_.Value(r);
        }
    }
    return PointBatch(static_cast<int>(at_.size()), std::move(coordinates));
}

Net3d SurfaceGrid::Net(const PointBatch& computed) const {
    if (computed.Size() != static_cast<std::size_t>(Steps()) * static_cast<std::size_t>(Steps())) {
        throw std::invalid_argument("the batch is not this surface's");
    }
    Net3d net(Steps(), Steps());
    std::size_t i = 0;
    for (int r = 0; r < Steps(); ++r) {
        for (int c = 0; c < Steps(); ++c, ++i) {
            net.At(r, c) = {Scaled(axis1_.Value(c), axis1_.low, axis1_.high),
                            Scaled(axis2_.Value(r), axis2_.low, axis2_.high),
                            Scaled(computed.Output(i), outputLow_, outputHigh_)};
        }
    }
    return net;
}

double SurfaceGrid::Scaled(double value, double low, double high) {
    if (!(high > low) || std::isnan(value)) return 0.0;
    return std::clamp(2.0 * (value - low) / (high - low) - 1.0, -1.0, 1.0);
}

}  // namespace zorv
