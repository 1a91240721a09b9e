#include "app/core/surface/SurfaceScales.h"

#include "text/NumberText.h"

namespace zorv {
namespace {

// The depth of a point as the view shows it: greater is nearer the viewer (the net's faces are painted in
// that order, the nearest last).
double depth(const Transform3d& view, const Vector3d& p) { return view.Apply(p).y; }

// Of the two sides of an axis (−1 or 1), the one nearer the viewer.
double nearSide(const Transform3d& view, const Vector3d& minus, const Vector3d& plus) {
    return depth(view, plus) > depth(view, minus) ? 1.0 : -1.0;
}

}  // namespace

std::string SurfaceScales::Label(double value) { return NumberText::general(NumberText::roundToSignificant(value, 4)); }

SurfaceScale SurfaceScales::Along(const Vector3d& from, const Vector3d& to, const Vector3d& outward,
                                  const SurfaceRange& range) {
    SurfaceScale scale{from, to, outward, {}, range.name};
    for (int i = 0; i < kTicks; ++i) {
        const double t = static_cast<double>(i) / (kTicks - 1);
        const double value = i == kTicks - 1 ? range.high : range.low + t * (range.high - range.low);
        scale.ticks.push_back({from + (to - from) * t, Label(value)});
    }
    return scale;
}

std::array<SurfaceScale, 3> SurfaceScales::Of(const Transform3d& view, const std::array<SurfaceRange, 3>& ranges) {
    const double y = nearSide(view, {0, -1, -1}, {0, 1, -1});
    const double x = nearSide(view, {-1, 0, -1}, {1, 0, -1});
    // The output's edge stands at the bottom corner furthest to the left on the screen.
    Vector3d corner{-1, -1, -1};
    for (const double cx : {-1.0, 1.0}) {
        for (const double cy : {-1.0, 1.0}) {
            if (view.Apply({cx, cy, -1}).x < view.Apply(corner).x) corner = {cx, cy, -1};
        }
    }
    return {Along({-1, y, -1}, {1, y, -1}, {0, y, 0}, ranges[0]),
            Along({x, -1, -1}, {x, 1, -1}, {x, 0, 0}, ranges[1]),
            Along(corner, {corner.x, corner.y, 1}, {corner.x, corner.y, 0}, ranges[2])};
}

}  // namespace zorv
