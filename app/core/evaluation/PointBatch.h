#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace zorv {

// Points at which a rule base is evaluated (Dimensions() inputs each, stored one after the other) and, once
// computed, their outputs in the same order.
class PointBatch {
public:
    // coordinates: the points' inputs, a whole number of points (std::invalid_argument otherwise).
    PointBatch(int dimensions, std::vector<double> coordinates);

    int Dimensions() const { return dimensions_; }
    std::size_t Size() const { return outputs_.size(); }
    std::span<const double> Point(std::size_t i) const {
        return std::span(coordinates_).subspan(i * static_cast<std::size_t>(dimensions_), static_cast<std::size_t>(dimensions_));
    }

    double Output(std::size_t i) const { return outputs_[i]; }
    const std::vector<double>& Outputs() const { return outputs_; }
    void SetOutput(std::size_t i, double value) { outputs_[i] = value; }

private:
    int dimensions_;
    std::vector<double> coordinates_;
    std::vector<double> outputs_;
};

}  // namespace zorv
