#pragma once

#include "surface/ScreenPoint.h"
#include "surface/Transform3d.h"
#include "surface/Vector3d.h"

namespace zorv {

// The orthographic projection of the surface picture onto a drawing area of width × height pixels.
// A point p is first turned by the view V, q = p · V; its screen point is
//     (floor(cx + P·q.x), floor(cy − P·q.z)),   cx = width / 2, cy = height / 2 (integer halves),
// with P = 50 pixels per view unit. q.y is the depth and is not drawn.
class Projection {
public:
    static constexpr double kPixelsPerUnit = 50.0;

    // The view at the start: turned about Z by 0.4, then about X by −0.4 (radians), then enlarged twice.
    static Transform3d InitialView();

    Projection() : view_(InitialView()) {}

    void SetArea(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }

    const Transform3d& View() const { return view_; }
    void SetView(const Transform3d& view) { view_ = view; }

    // The screen point of a data point (turned by the view first).
    ScreenPoint Project(const Vector3d& p) const { return ProjectTurned(view_.Apply(p)); }
    // The screen point of a point already in view coordinates. Coordinates far off the area are held at
    // a million pixels, so that no value overflows the integers.
    ScreenPoint ProjectTurned(const Vector3d& q) const;
    // The point of the view plane under a screen point: ((X − cx)/P, 0, (cy − Y)/P).
    Vector3d Unproject(ScreenPoint s) const;

private:
    int width_ = 0;
    int height_ = 0;
    Transform3d view_;
};

}  // namespace zorv
