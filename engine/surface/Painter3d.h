#pragma once

#include <array>

#include "surface/Rgb.h"
#include "surface/ScreenPoint.h"

namespace zorv {

// What the surface picture needs of a drawing surface (a window, an image, a vector file). Points are
// already projected onto the area.
class Painter3d {
public:
    virtual ~Painter3d() = default;

    // Starts a line at p without drawing.
    virtual void MoveTo(ScreenPoint p) = 0;
    // Draws a line from the current point to p in the pen colour; p becomes the current point.
    virtual void LineTo(ScreenPoint p, Rgb pen) = 0;
    // A filled circle in the box from (p.x - 3, p.y - 3) to (p.x + 3, p.y + 3), outlined in black.
    virtual void Marker(ScreenPoint p, Rgb fill) = 0;
    // A filled quadrilateral through the four corners in their order, outlined.
    virtual void Quad(const std::array<ScreenPoint, 4>& corners, Rgb outline, Rgb fill) = 0;
};

}  // namespace zorv
