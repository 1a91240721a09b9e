#pragma once

#include <QColor>
#include <QString>

class QPainter;

namespace zorv {

class PanelAxis;

// What the test window's input and output boxes draw alike: their axis with its ticks and labels, and the
// red marker of a value.
class AxisDrawing {
public:
    static constexpr int kLongTick = 5;
    static constexpr int kShortTick = 3;

    // A horizontal axis at height y: long ticks at both ends and in the middle, short ticks at the quarters,
    // and the context's low, middle and high values under them.
    static void axis(QPainter& painter, const PanelAxis& axis, int y, double low, double high);
    // The ticks of a horizontal axis from left to right at height y: long at the ends and in the middle,
    // short at the quarters.
    static void quarterTicks(QPainter& painter, double left, double right, double y);
    // A filled triangle with its tip on the axis at (x, y); returns the height of its top.
    static double marker(QPainter& painter, double x, int y, const QColor& colour);
    // Text centred on x, standing on the baseline.
    static void centred(QPainter& painter, double x, double baseline, const QString& text);
    // A context bound as the labels show it: short, exact where it can be ("0", "0.5", "-10").
    static QString label(double value);
};

}  // namespace zorv
