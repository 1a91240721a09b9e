#include "surface/Projection.h"

#include <algorithm>
#include <cmath>

namespace zorv {

namespace {

constexpr double kFarOff = 1e6;

int Pixel(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::floor(std::clamp(v, -kFarOff, kFarOff)));
}

}  // namespace

Transform3d Projection::InitialView() {
    return Transform3d::RotationZ(0.4) * Transform3d::RotationX(-0.4) * Transform3d::Scale(2.0);
}

void Projection::SetArea(int width, int height) {
    width_ = width;
    height_ = height;
}

ScreenPoint Projection::ProjectTurned(const Vector3d& q) const {
    const int cx = width_ / 2;
    const int cy = height_ / 2;
    return {Pixel(cx + kPixelsPerUnit * q.x), Pixel(cy - kPixelsPerUnit * q.z)};
}

Vector3d Projection::Unproject(ScreenPoint s) const {
    const int cx = width_ / 2;
    const int cy = height_ / 2;
    return {(s.x - cx) / kPixelsPerUnit, 0.0, (cy - s.y) / kPixelsPerUnit};
}

}  // namespace zorv
