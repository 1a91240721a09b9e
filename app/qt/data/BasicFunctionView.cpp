#include "app/qt/data/BasicFunctionView.h"

#include <QPainter>
#include <QPolygon>

#include "ftransform/partition/BasicFunctionPreview.h"

namespace zorv {

BasicFunctionView::BasicFunctionView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(120, 60);
}

void BasicFunctionView::setShape(BasicFunctionShape shape) {
    shape_ = shape;
    update();
}

void BasicFunctionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    QPolygon line;
    for (const BasicFunctionPreview::Point& point : BasicFunctionPreview::polyline(shape_, width(), height())) {
        line << QPoint(point.x, point.y);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().text().color(), 1.5));
    painter.drawPolyline(line);
}

}  // namespace zorv
