#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zorv {

class CompiledRuleBase;

// The points at which the F-transform filter samples a rule base: per antecedent, the coordinates
//     c_0 = low,  c_{i+1} = c_i + (high - low) * 0.999 * 0.005   while c_{i+1} <= high,
// accumulated by repeated addition (201 coordinates for a proper context, the last at
// low + 0.999 (high - low), just below high). The points are all combinations, the first antecedent
// varying fastest. A coordinate step that does not advance (an empty context, or one too narrow for
// the magnitude of its bounds) leaves the axis a single coordinate.
class FilterSampleGrid {
public:
    static constexpr double kStepShare = 0.999 * 0.005;

    explicit FilterSampleGrid(const CompiledRuleBase& compiled);
    // An axis per context given as (low, high) pairs.
    explicit FilterSampleGrid(std::span<const double> lowHighPairs);

    int dimensions() const { return static_cast<int>(axes_.size()); }
    const std::vector<double>& coordinates(int axis) const { return axes_[static_cast<std::size_t>(axis)]; }
    // The number of points, as a double so that huge grids can be told without overflow.
    double pointCount() const;
    // Writes the coordinates of point `index` (grid order) into point (dimensions() values).
    void point(std::int64_t index, std::span<double> point) const;

private:
    void addAxis(double low, double high);

    std::vector<std::vector<double>> axes_;
};

}  // namespace zorv
