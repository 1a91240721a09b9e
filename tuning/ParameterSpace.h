#pragma once

#include <string_view>
#include <vector>

#include "tuning/TuningParameter.h"

namespace zorv {

// The parameters of a tuning in a fixed order, each with its start value and bounds: the box the search
// explores. A vector of values in this order describes one candidate rule base.
class ParameterSpace {
public:
    ParameterSpace() = default;
    explicit ParameterSpace(std::vector<TuningParameter> parameters) : parameters_(std::move(parameters)) {}

    const std::vector<TuningParameter>& Parameters() const { return parameters_; }
    int Size() const { return static_cast<int>(parameters_.size()); }
    bool Empty() const { return parameters_.empty(); }

    std::vector<double> Initial() const;
    std::vector<double> Lower() const;
    std::vector<double> Upper() const;

    // Gives the parameter of that name the bounds [lower, upper] (lower <= upper); false when no parameter has
    // the name. A start value outside the new bounds is not moved: the search starts from the nearest bound.
    bool SetBounds(std::string_view name, double lower, double upper);
    // Leaves out every parameter whose bounds leave it no room to move.
    void DropFixed();

private:
    std::vector<TuningParameter> parameters_;
};

}  // namespace zorv
