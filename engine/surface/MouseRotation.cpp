#include "surface/MouseRotation.h"

#include <algorithm>
#include <cmath>

namespace zorv {

namespace {

Vector3d Flattened(Vector3d v) {
    v.y = 0.0;
    return v;
}

bool Finite(const Vector3d& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

}  // namespace

void MouseRotation::Press(ScreenPoint s, Projection& projection) {
    grabbed_ = NearestAxis(projection.Unproject(s), projection.View());
    TurnTowards(s, projection);
    dragging_ = true;
}

bool MouseRotation::Move(ScreenPoint s, Projection& projection) {
    return dragging_ && TurnTowards(s, projection);
}

bool MouseRotation::TurnTowards(ScreenPoint s, Projection& projection) {
    const auto turned = Turned(projection.View(), grabbed_, projection.Unproject(s));
    if (!turned) return false;
    projection.SetView(*turned);
    return true;
}

Axis3d MouseRotation::NearestAxis(const Vector3d& p0, const Transform3d& view) {
    Axis3d nearest = Axis3d::X;
    double best = p0.Distance(Flattened(view.Apply(Vector3d::XTip())));
    const auto consider = [&](Axis3d axis, const Vector3d& tip) {
        const double distance = p0.Distance(Flattened(view.Apply(tip)));
        if (distance < best) {
            best = distance;
            nearest = axis;
        }
    };
    consider(Axis3d::Y, Vector3d::YTip());
    consider(Axis3d::Z, Vector3d::ZTip());
    return nearest;
}

std::optional<Transform3d> MouseRotation::Turned(const Transform3d& view, Axis3d axis, const Vector3d& p0) {
    return axis == Axis3d::Z ? Tilted(view, p0) : TurnedAboutOutput(view, axis, p0);
}

std::optional<Transform3d> MouseRotation::TurnedAboutOutput(const Transform3d& view, Axis3d axis,
                                                            const Vector3d& p0) {
    const Vector3d xt = view.Apply(Vector3d::XTip());
    const Vector3d yt = view.Apply(Vector3d::YTip());
    const Vector3d zt = view.Apply(Vector3d::ZTip());
    if (zt.y == 0.0) return std::nullopt;
    const Vector3d w{p0.x, -zt.Dot(p0) / zt.y, p0.z};
    const double length = w.Length();
    if (length == 0.0 || !Finite(w) || !std::isfinite(length)) return std::nullopt;
    const double kx = w.Dot(xt) / (length * xt.Length());
    const double ky = w.Dot(yt) / (length * yt.Length());
    if (!std::isfinite(kx) || !std::isfinite(ky)) return std::nullopt;
    const Transform3d turn = axis == Axis3d::X ? Transform3d::RotationZ(ky, kx) : Transform3d::RotationZ(-kx, ky);
    return turn * view;
}

std::optional<Transform3d> MouseRotation::Tilted(const Transform3d& view, Vector3d p0) {
    const Vector3d zt = view.Apply(Vector3d::ZTip());
    const double r = zt.Length();
    if (r == 0.0 || !std::isfinite(r)) return std::nullopt;
    p0.z = std::clamp(p0.z, -r, r);
    const Vector3d w{0.0, std::sqrt(r * r - p0.z * p0.z), p0.z};
    const double c = std::clamp(w.Dot(zt) / (w.Length() * r), -1.0, 1.0);
    double t = std::sqrt(1.0 - c * c);
    if (zt.z < p0.z) t = -t;
    return view * Transform3d::RotationX(-t, c);
}

}  // namespace zorv
