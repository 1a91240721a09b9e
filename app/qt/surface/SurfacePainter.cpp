#include "app/qt/surface/SurfacePainter.h"

#include <QColor>
#include <QPainter>
#include <QPolygon>

namespace zorv {

namespace {

QPoint toQt(ScreenPoint p) { return {p.x, p.y}; }
QColor toQt(Rgb c) { return {c.red, c.green, c.blue}; }

}  // namespace

void SurfacePainter::MoveTo(ScreenPoint p) { current_ = toQt(p); }

void SurfacePainter::LineTo(ScreenPoint p, Rgb pen) {
    painter_.setPen(toQt(pen));
    painter_.drawLine(current_, toQt(p));
    current_ = toQt(p);
}

void SurfacePainter::Marker(ScreenPoint p, Rgb fill) {
    painter_.setPen(Qt::black);
    painter_.setBrush(toQt(fill));
    painter_.drawEllipse(QRect(QPoint(p.x - 3, p.y - 3), QPoint(p.x + 3, p.y + 3)));
}

void SurfacePainter::Quad(const std::array<ScreenPoint, 4>& corners, Rgb outline, Rgb fill) {
    painter_.setPen(toQt(outline));
    painter_.setBrush(toQt(fill));
    const QPoint points[] = {toQt(corners[0]), toQt(corners[1]), toQt(corners[2]), toQt(corners[3])};
    painter_.drawPolygon(points, 4);
}

}  // namespace zorv
