#pragma once

#include <QPoint>

#include "surface/Painter3d.h"

class QPainter;

namespace zorv {

// Draws the surface picture with a QPainter: on the window, into an image or into an SVG file alike.
class SurfacePainter final : public Painter3d {
public:
    explicit SurfacePainter(QPainter& painter) : painter_(painter) {}

    void MoveTo(ScreenPoint p) override;
    void LineTo(ScreenPoint p, Rgb pen) override;
    void Marker(ScreenPoint p, Rgb fill) override;
    void Quad(const std::array<ScreenPoint, 4>& corners, Rgb outline, Rgb fill) override;

private:
    QPainter& painter_;
    QPoint current_;
};

}  // namespace zorv
