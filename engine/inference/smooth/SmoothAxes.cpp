#include "inference/smooth/SmoothAxes.h"

#include <algorithm>
#include <cmath>

namespace zorv {

void SmoothAxes::LayOutAxis(Axis& axis, const AntecedentContext& context, double x, int resolution) {
    const double d = (context.high - context.low) / 10;
    axis.step = d * 2 * 0.999 / resolution;
    axis.from = std::max(context.low, x - d);
    axis.to = std::min(context.high, x + d);
    const double window[3] = {axis.from, x, axis.to};
    axis.window.setParams(window);
    axis.coordinates.clear();
    axis.weights.clear();
    axis.expected = 1.0;
    if (!(axis.step > 0.0) || !std::isfinite(axis.step)) return;
    const double span = axis.to - axis.from;
    if (span >= 0.0) axis.expected = std::floor(span / axis.step) + 1.0;
}

double SmoothAxes::LayOut(std::span<const AntecedentContext> contexts, std::span<const double> centre,
                          int resolution) {
    if (axes_.size() != contexts.size()) axes_.resize(contexts.size());
    double points = 1.0;
    for (std::size_t k = 0; k < contexts.size(); ++k) {
        LayOutAxis(axes_[k], contexts[k], centre[k], resolution);
        points *= axes_[k].expected;
    }
    return points;
}

bool SmoothAxes::Next(int k, double& p) const {
    const Axis& axis = axes_[At(k)];
    if (!(axis.step > 0.0) || !std::isfinite(axis.step)) return false;
    p += axis.step;
    return p <= axis.to;
}

void SmoothAxes::List() {
    for (int k = 0; k < axisCount(); ++k) {
        Axis& axis = axes_[At(k)];
        double p = axis.from;
        do {
            axis.coordinates.push_back(p);
            axis.weights.push_back(axis.window.mu(p));
        } while (Next(k, p));
    }
}

}  // namespace zorv
