#include "app/qt/surface/SurfaceView.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/qt/surface/SurfacePainter.h"
#include "app/qt/surface/SurfaceScalePainter.h"

namespace zorv {

SurfaceView::SurfaceView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    graphics_.View().SetArea(width(), height());
}

void SurfaceView::setNet(Net3d net, const std::array<SurfaceRange, 3>& ranges) {
    net_ = std::move(net);
    ranges_ = ranges;
    scaled_ = true;
    update();
}

void SurfaceView::setHeightColours(bool on) {
    graphics_.SetHeightColours(on);
    update();
}

void SurfaceView::paintPicture(QPainter& painter) const {
    painter.fillRect(QRect(QPoint(0, 0), size()), Qt::white);
    SurfacePainter surfacePainter(painter);
    graphics_.Paint(net_, surfacePainter);
    if (scaled_) SurfaceScalePainter::paint(painter, graphics_.View(), SurfaceScales::Of(graphics_.View().View(), ranges_));
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
    emit pointed(event->position().toPoint());
}

void SurfaceView::leaveEvent(QEvent* event) {
    emit left();
    QWidget::leaveEvent(event);
}

void SurfaceView::mouseReleaseEvent(QMouseEvent*) { rotation_.Release(); }

ScreenPoint SurfaceView::pointOf(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return {p.x(), p.y()};
}

}  // namespace zorv
