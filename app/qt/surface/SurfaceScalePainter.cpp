#include "app/qt/surface/SurfaceScalePainter.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "surface/Graphics3d.h"
#include "surface/Projection.h"

namespace zorv {
namespace {

// How far out, in net units, the ticks reach and the numbers stand; the name stands beyond the numbers
// at the middle of the scale.
constexpr double kTick = 0.06;
constexpr double kNumbers = 0.2;
constexpr int kGap = 6;

QPoint at(const Projection& view, const Vector3d& p) {
    const ScreenPoint s = view.Project(p);
    return {s.x, s.y};
}

QColor colourOf(Rgb c) { return {c.red, c.green, c.blue}; }

// How far a box of the given size reaches from its centre along the unit direction (dx, dy).
double reach(QSizeF size, double dx, double dy) { return (std::abs(dx) * size.width() + std::abs(dy) * size.height()) / 2; }

// A text centred on a point.
void centred(QPainter& painter, QPointF centre, const QString& text) {
    const QRect box = painter.fontMetrics().boundingRect(text);
    painter.drawText(QPointF(centre.x() - box.width() / 2.0, centre.y() + painter.fontMetrics().ascent() / 2.0), text);
}

// The name goes on the line from the scale's middle through its middle number, just beyond the widest number.
void paintName(QPainter& painter, const Projection& view, const SurfaceScale& scale) {
    const Vector3d middle = (scale.from + scale.to) * 0.5;
    const QPointF inner = at(view, middle);
    const QPointF numbers = at(view, middle + scale.outward * kNumbers);
    const QPointF way = numbers - inner;
    const double length = std::hypot(way.x(), way.y());
    const double dx = length > 0 ? way.x() / length : 0.0;
    const double dy = length > 0 ? way.y() / length : 1.0;
    const QFontMetrics metrics = painter.fontMetrics();
    double widest = 0;
    for (const SurfaceTick& tick : scale.ticks) {
        widest = std::max(widest, reach(metrics.boundingRect(QString::fromStdString(tick.label)).size(), dx, dy));
    }
    const QString name = QString::fromStdString(scale.name);
    const double out = widest + kGap + reach(metrics.boundingRect(name).size(), dx, dy);
    centred(painter, numbers + QPointF(dx * out, dy * out), name);
}

void paintScale(QPainter& painter, const Projection& view, const SurfaceScale& scale, const QColor& colour) {
    painter.setPen(Qt::gray);
    painter.drawLine(at(view, scale.from), at(view, scale.to));
    for (const SurfaceTick& tick : scale.ticks) {
        painter.setPen(colour);
        painter.drawLine(at(view, tick.at), at(view, tick.at + scale.outward * kTick));
        painter.setPen(Qt::black);
        centred(painter, at(view, tick.at + scale.outward * kNumbers), QString::fromStdString(tick.label));
    }
    painter.setPen(colour);
    paintName(painter, view, scale);
}

}  // namespace

void SurfaceScalePainter::paint(QPainter& painter, const Projection& view, const std::array<SurfaceScale, 3>& scales) {
    const Rgb colours[] = {Graphics3d::kXAxis, Graphics3d::kYAxis, Graphics3d::kZAxis};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < scales.size(); ++i) paintScale(painter, view, scales[i], colourOf(colours[i]));
    painter.restore();
}

}  // namespace zorv
