#include "app/qt/testwindow/AxisDrawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include "app/core/testwindow/PanelAxis.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

constexpr double kMarkerHalfWidth = 5.0;
constexpr double kMarkerHeight = 9.0;

}  // namespace

void AxisDrawing::axis(QPainter& painter, const PanelAxis& axis, int y, double low, double high) {
    painter.setPen(Qt::black);
    painter.drawLine(axis.Left(), y, axis.Right(), y);
    quarterTicks(painter, axis.Left(), axis.Right(), y);
    const int baseline = y + kLongTick + painter.fontMetrics().ascent() + 1;
    centred(painter, axis.Left(), baseline, label(low));
    centred(painter, axis.XAt(0.5), baseline, label((low + high) / 2));
    centred(painter, axis.Right(), baseline, label(high));
}

void AxisDrawing::quarterTicks(QPainter& painter, double left, double right, double y) {
    for (int quarter = 0; quarter <= 4; ++quarter) {
        const int tick = quarter % 2 == 0 ? kLongTick : kShortTick;
        const double x = left + (right - left) * quarter / 4.0;
        painter.drawLine(QPointF(x, y - tick), QPointF(x, y + tick));
    }
}

double AxisDrawing::marker(QPainter& painter, double x, int y, const QColor& colour) {
    const QPolygonF triangle{QPointF(x, y), QPointF(x - kMarkerHalfWidth, y - kMarkerHeight),
                             QPointF(x + kMarkerHalfWidth, y - kMarkerHeight)};
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawPolygon(triangle);
    painter.setBrush(Qt::NoBrush);
    return y - kMarkerHeight;
}

void AxisDrawing::centred(QPainter& painter, double x, double baseline, const QString& text) {
    const int width = painter.fontMetrics().horizontalAdvance(text);
    painter.drawText(QPointF(x - width / 2.0, baseline), text);
}

QString AxisDrawing::label(double value) {
    return QString::fromStdString(NumberText::general(value == 0.0 ? 0.0 : value));
}

}  // namespace zorv
