#pragma once

#include <array>

#include "app/core/surface/SurfaceScales.h"

class QPainter;

namespace zorv {

class Projection;

// Draws the scales of the surface picture: each edge in grey, its ticks in the colour of its axis with the
// values beside them, and the name of what it measures beyond its middle number, in the same colour.
class SurfaceScalePainter {
public:
    static void paint(QPainter& painter, const Projection& view, const std::array<SurfaceScale, 3>& scales);
};

}  // namespace zorv
