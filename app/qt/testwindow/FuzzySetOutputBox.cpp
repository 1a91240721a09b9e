#include "app/qt/testwindow/FuzzySetOutputBox.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "app/core/testwindow/OutputCurve.h"
#include "app/core/testwindow/PanelAxis.h"
#include "app/qt/testwindow/AxisDrawing.h"
#include "text/NumberText.h"

namespace zorv {

FuzzySetOutputBox::FuzzySetOutputBox(double low, double high, QWidget* parent)
    : QWidget(parent), low_(low), high_(high) {
    setMinimumSize(160, 110);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void FuzzySetOutputBox::setOutput(std::optional<CFuzzyDiscreteSet> set, std::optional<double> value) {
    set_ = std::move(set);
    value_ = value;
    update();
}

void FuzzySetOutputBox::setValuePending(bool pending) {
    pending_ = pending;
    update();
}

void FuzzySetOutputBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const int axisY = height() - OutputCurve::kAxisFromBottom;
    AxisDrawing::axis(painter, PanelAxis(width()), axisY, low_, high_);
    if (set_) {
        const std::vector<PlotPoint> curve = OutputCurve::Of(*set_, low_, high_, width(), height());
        QPolygonF line;
        line.reserve(static_cast<qsizetype>(curve.size()));
        for (const PlotPoint& p : curve) line << QPointF(p.x, p.y);
        painter.setPen(Qt::black);
        painter.drawPolyline(line);
    }
    if (value_) paintMarker(painter, *value_);
}

// A value outside the context (a Takagi-Sugeno result may lie anywhere) is marked at the nearer end; the
// text gives it as it is.
void FuzzySetOutputBox::paintMarker(QPainter& painter, double value) const {
    const double r = high_ != low_ ? std::clamp((value - low_) / (high_ - low_), 0.0, 1.0) : 0.0;
    const double x = PanelAxis(width()).XAt(r);
    const int axisY = height() - OutputCurve::kAxisFromBottom;
    const QColor colour = pending_ ? Qt::gray : Qt::red;
    painter.setRenderHint(QPainter::Antialiasing);
    AxisDrawing::marker(painter, x, axisY, colour);
    painter.drawLine(QPointF(x, axisY), QPointF(x, OutputCurve::kTop));
    AxisDrawing::centred(painter, x, OutputCurve::kTop - 3, QString::fromStdString(NumberText::twoDecimals(value)));
}

}  // namespace zorv
