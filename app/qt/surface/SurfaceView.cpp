#include "app/qt/surface/SurfaceView.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/qt/surface/SurfacePainter.h"

namespace zorv {

SurfaceView::SurfaceView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
    graphics_.View().SetArea(width(), height());
}

void SurfaceView::setNet(Net3d net) {
    net_ = std::move(net);
    update();
}

void SurfaceView::paintPicture(QPainter& painter) const {
    painter.fillRect(QRect(QPoint(0, 0), size()), Qt::white);
    SurfacePainter surfacePainter(painter);
    graphics_.Paint(net_, surfacePainter);
}

void SurfaceView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPicture(painter);
}

void SurfaceView::resizeEvent(QResizeEvent* event) {
    graphics_.View().SetArea(width(), height());
    QWidget::resizeEvent(event);
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
    rotation_.Press(pointOf(event), graphics_.View());
    update();
}

void SurfaceView::mouseMoveEvent(QMouseEvent* event) {
    if (rotation_.Move(pointOf(event), graphics_.View())) update();
}

void SurfaceView::mouseReleaseEvent(QMouseEvent*) { rotation_.Release(); }

ScreenPoint SurfaceView::pointOf(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return {p.x(), p.y()};
}

}  // namespace zorv
