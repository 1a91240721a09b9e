#include "surface/Graphics3d.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace zorv {

void Graphics3d::Paint(const Net3d& net, Painter3d& painter) const {
    PaintSurface(net, painter);
    PaintAxes(painter);
}

void Graphics3d::PaintSurface(const Net3d& net, Painter3d& painter) const {
    const int rows = net.Rows();
    const int columns = net.Columns();
    if (rows < 2 || columns < 2) return;
    const Vector3d v = projection_.View().Apply(Vector3d::YTip());
    const int a = v.y > 0 ? 1 : -1;
    const int d = v.x < 0 ? 1 : -1;
    const int firstRow = a > 0 ? 0 : rows - 1;
    const int firstColumn = d > 0 ? 0 : columns - 1;
    const auto rowInside = [&](int r) { return a > 0 ? r < rows - 1 : r > 0; };
    const auto columnInside = [&](int c) { return d > 0 ? c < columns - 1 : c > 0; };
    std::array<ScreenPoint, 4> quad;
    for (int r = firstRow; rowInside(r); r += a) {
        for (int c = firstColumn; columnInside(c); c += d) {
            quad[0] = projection_.Project(net.At(r, c));
            quad[1] = projection_.Project(net.At(r + a, c));
            quad[2] = projection_.Project(net.At(r + a, c + d));
            quad[3] = projection_.Project(net.At(r, c + d));
            painter.Quad(quad, kOutline, FillOf(net, r, c, a, d));
        }
    }
}

Rgb Graphics3d::FillOf(const Net3d& net, int r, int c, int a, int d) const {
    if (!heightColours_) return kFill;
    return HeightColour((net.At(r, c).z + net.At(r + a, c).z + net.At(r + a, c + d).z + net.At(r, c + d).z) / 4);
}

// Five colours a quarter of the height apart, mixed linearly between.
Rgb Graphics3d::HeightColour(double z) {
    static constexpr std::array<Rgb, 5> kStops{{{0, 0, 255}, {0, 200, 255}, {0, 200, 0}, {255, 220, 0}, {255, 0, 0}}};
    const double t = std::isnan(z) ? 0.0 : std::clamp((z + 1.0) * 2.0, 0.0, 4.0);
    const auto below = static_cast<std::size_t>(std::min(t, 3.0));
    const double f = t - static_cast<double>(below);
    const auto mix = [f](std::uint8_t from, std::uint8_t to) {
        return static_cast<std::uint8_t>(std::lround(from + (to - from) * f));
    };
    const Rgb& lo = kStops[below];
    const Rgb& hi = kStops[below + 1];
    return {mix(lo.red, hi.red), mix(lo.green, hi.green), mix(lo.blue, hi.blue)};
}

void Graphics3d::PaintAxes(Painter3d& painter) const {
    const ScreenPoint origin = projection_.Project(Vector3d::Origin());
    const ScreenPoint x = projection_.Project(Vector3d::XTip());
    const ScreenPoint y = projection_.Project(Vector3d::YTip());
    const ScreenPoint z = projection_.Project(Vector3d::ZTip());
    painter.MoveTo(x);
    painter.LineTo(origin, kXAxis);
    painter.LineTo(y, kYAxis);
    painter.MoveTo(origin);
    painter.LineTo(z, kZAxis);
    painter.Marker(x, kXAxis);
    painter.Marker(y, kYAxis);
    painter.Marker(z, kZAxis);
}

}  // namespace zorv
