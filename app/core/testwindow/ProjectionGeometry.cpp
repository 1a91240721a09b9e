#include "app/core/testwindow/ProjectionGeometry.h"

#include <algorithm>
#include <cmath>

namespace zorv {

namespace {

// (v − low)/(high − low), 0 for a context without width.
double Share(double v, double low, double high) { return high != low ? (v - low) / (high - low) : 0.0; }

}  // namespace

ProjectionGeometry::ProjectionGeometry(int width, int height, double xLow, double xHigh, double yLow, double yHigh)
    : width_(width), height_(height), xLow_(xLow), xHigh_(xHigh), yLow_(yLow), yHigh_(yHigh) {}

double ProjectionGeometry::X(double x) const { return kLeft + (Right() - kLeft) * Share(x, xLow_, xHigh_); }

double ProjectionGeometry::Y(double y) const { return Bottom() - (Bottom() - kTop) * Share(y, yLow_, yHigh_); }

std::optional<double> ProjectionGeometry::ZeroLine() const {
    if (yLow_ < 0.0 && yHigh_ > 0.0) return Y(0.0);
    return std::nullopt;
}

int ProjectionGeometry::PickStep(double x, int steps) const {
    const int span = Right() - kLeft;
    const double u = span > 0 ? std::clamp((x - kLeft) / span, 0.0, 1.0) : 0.0;
    return static_cast<int>(std::floor(u * steps + 0.5));
}

}  // namespace zorv
