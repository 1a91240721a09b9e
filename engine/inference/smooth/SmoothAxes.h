#pragma once

#include <span>
#include <vector>

#include "fuzzy/sets/CFuzzyTriangSet.h"
#include "inference/compiled/CompiledRules.h"

namespace zorv {

// The grid of points around a centre x at which the smooth defuzzification samples the inference. Per
// antecedent k with context <lo, hi>, d = (hi - lo)/10 and a resolution R:
//   from = max(lo, x - d),  to = min(hi, x + d),  step = d * 2 * 0.999 / R,
//   coordinates from, from + step, from + step + step, ... while <= to (summed one step at a time),
//   weight w(p) = the triangle with feet from and to and peak x.
// A step that does not advance (a context of width 0) leaves the single coordinate from.
class SmoothAxes {
public:
    // Lays out one axis per context around the centre; returns the number of points the grid is expected to
    // have (the product over the axes of floor((to - from)/step) + 1), before any coordinate is listed.
    double LayOut(std::span<const AntecedentContext> contexts, std::span<const double> centre, int resolution);

    // The number of coordinates axis k is expected to have.
    double expected(int k) const { return axes_[At(k)].expected; }
    // Lists the coordinates and weights of every axis.
    void List();

    int axisCount() const { return static_cast<int>(axes_.size()); }
    double from(int k) const { return axes_[At(k)].from; }
    // The next coordinate after p on axis k; false when p was the last.
    bool Next(int k, double& p) const;
    double Weight(int k, double p) const { return axes_[At(k)].window.mu(p); }
    std::span<const double> Coordinates(int k) const { return axes_[At(k)].coordinates; }
    std::span<const double> Weights(int k) const { return axes_[At(k)].weights; }

private:
    struct Axis {
        double from = 0.0;
        double to = 0.0;
        double step = 0.0;
        CFuzzyTriangSet window{0.0, 0.0, 0.0, 0.0, 0.0};
        double expected = 1.0;  // expected number of coordinates
        std::vector<double> coordinates;
        std::vector<double> weights;
    };
    static std::size_t At(int k) { return static_cast<std::size_t>(k); }
    static void LayOutAxis(Axis& axis, const AntecedentContext& context, double x, int resolution);

    std::vector<Axis> axes_;
};

}  // namespace zorv
