#include "app/qt/testwindow/FuzzySetInputBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/core/testwindow/PanelAxis.h"
#include "app/qt/testwindow/AxisDrawing.h"
#include "text/NumberText.h"

namespace zorv {

FuzzySetInputBox::FuzzySetInputBox(double low, double high, QWidget* parent)
    : QWidget(parent), low_(low), high_(high), value_((low + high) / 2) {
    setMinimumSize(160, 70);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setCursor(Qt::PointingHandCursor);
}

void FuzzySetInputBox::setState(double position, double value) {
    position_ = position;
    value_ = value;
    update();
}

void FuzzySetInputBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const PanelAxis axis(width());
    const int y = height() / 2;
    AxisDrawing::axis(painter, axis, y, low_, high_);
    const double x = axis.XAt(position_);
    const double top = AxisDrawing::marker(painter, x, y, Qt::red);
    AxisDrawing::centred(painter, x, top - 2, QString::fromStdString(NumberText::twoDecimals(value_)));
}

void FuzzySetInputBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    choose(event);
}

void FuzzySetInputBox::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) choose(event);
}

void FuzzySetInputBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

void FuzzySetInputBox::choose(const QMouseEvent* event) {
    Q_EMIT positionChosen(PanelAxis(width()).PositionAt(event->position().x()));
}

}  // namespace zorv
