#include "app/qt/testwindow/ProjectionPlot.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "app/core/testwindow/ProjectionGeometry.h"
#include "app/qt/testwindow/AxisDrawing.h"

namespace zorv {

namespace {

constexpr double kDisc = 2.5;
constexpr double kHighlightDisc = 4.5;
constexpr int kLongTick = AxisDrawing::kLongTick;

void disc(QPainter& painter, QPointF centre, double radius, const QColor& fill) {
    painter.setPen(Qt::black);
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
}

}  // namespace

ProjectionPlot::ProjectionPlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(200, 160);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProjectionPlot::setFrame(double xLow, double xHigh, double yLow, double yHigh) {
    xLow_ = xLow;
    xHigh_ = xHigh;
    yLow_ = yLow;
    yHigh_ = yHigh;
    update();
}

void ProjectionPlot::setCurve(std::vector<double> xs, std::vector<double> ys) {
    xs_ = std::move(xs);
    ys_ = std::move(ys);
    stale_ = false;
    update();
}

void ProjectionPlot::clearCurve() {
    xs_.clear();
    ys_.clear();
    update();
}

void ProjectionPlot::setStale(bool stale) {
    stale_ = stale;
    update();
}

void ProjectionPlot::setHighlight(int step) {
    highlight_ = step;
    update();
}

void ProjectionPlot::setShown(bool shown) {
    shown_ = shown;
    update();
}

ProjectionGeometry ProjectionPlot::geometry(QSize size) const {
    return {size.width(), size.height(), xLow_, xHigh_, yLow_, yHigh_};
}

void ProjectionPlot::paintPicture(QPainter& painter, QSize size) const {
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    if (!shown_) return;
    const ProjectionGeometry frame = geometry(size);
    if (const auto zero = frame.ZeroLine()) {
        painter.setPen(Qt::gray);
        painter.drawLine(QPointF(frame.Left(), *zero), QPointF(frame.Right(), *zero));
    }
    paintAxes(painter, frame);
    painter.setRenderHint(QPainter::Antialiasing);
    paintCurve(painter, frame);
}

void ProjectionPlot::paintAxes(QPainter& painter, const ProjectionGeometry& frame) const {
    painter.setPen(Qt::black);
    const int left = frame.Left();
    const int bottom = frame.Bottom();
    painter.drawLine(left, bottom, frame.Right(), bottom);
    painter.drawLine(left, bottom, left, frame.Top());
    AxisDrawing::quarterTicks(painter, left, frame.Right(), bottom);
    const double middle = (bottom + frame.Top()) / 2.0;
    for (const double y : {static_cast<double>(frame.Top()), middle, static_cast<double>(bottom)}) {
        painter.drawLine(QPointF(left - kLongTick, y), QPointF(left + kLongTick, y));
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const double below = bottom + kLongTick + metrics.ascent() + 1;
    AxisDrawing::centred(painter, left, below, AxisDrawing::label(xLow_));
    AxisDrawing::centred(painter, (left + frame.Right()) / 2.0, below, AxisDrawing::label((xLow_ + xHigh_) / 2));
    AxisDrawing::centred(painter, frame.Right(), below, AxisDrawing::label(xHigh_));
    const auto leftOfAxis = [&](double y, double value) {
        const QString text = AxisDrawing::label(value);
        painter.drawText(QPointF(left - kLongTick - 2 - metrics.horizontalAdvance(text), y + metrics.ascent() / 2.0),
                         text);
    };
    leftOfAxis(frame.Top(), yHigh_);
    leftOfAxis(middle, (yLow_ + yHigh_) / 2);
    leftOfAxis(bottom, yLow_);
}

// Points without an output (NaN) break the line.
void ProjectionPlot::paintCurve(QPainter& painter, const ProjectionGeometry& frame) const {
    const std::size_t count = std::min(xs_.size(), ys_.size());
    QPainterPath line;
    bool joined = false;
    for (std::size_t i = 0; i < count; ++i) {
        if (!std::isfinite(ys_[i])) {
            joined = false;
            continue;
        }
        const QPointF p(frame.X(xs_[i]), frame.Y(ys_[i]));
        if (joined) {
            line.lineTo(p);
        } else {
            line.moveTo(p);
        }
        joined = true;
    }
    painter.setPen(stale_ ? Qt::gray : Qt::black);
    painter.drawPath(line);
    const QColor pointColour = stale_ ? QColor(Qt::gray) : QColor(Qt::red);
    for (std::size_t i = 0; i < count; ++i) {
        if (std::isfinite(ys_[i])) disc(painter, QPointF(frame.X(xs_[i]), frame.Y(ys_[i])), kDisc, pointColour);
    }
    const auto h = static_cast<std::size_t>(highlight_);
    if (highlight_ >= 0 && h < count && std::isfinite(ys_[h])) {
        disc(painter, QPointF(frame.X(xs_[h]), frame.Y(ys_[h])), kHighlightDisc, Qt::yellow);
    }
}

void ProjectionPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPicture(painter, size());
}

void ProjectionPlot::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !shown_) return;
    dragging_ = true;
    Q_EMIT picked(event->position().x());
}

void ProjectionPlot::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) Q_EMIT picked(event->position().x());
}

void ProjectionPlot::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

}  // namespace zorv
