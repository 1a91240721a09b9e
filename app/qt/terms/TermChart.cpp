#include "app/qt/terms/TermChart.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "app/core/terms/TermChartGeometry.h"
#include "app/core/terms/UserTermTable.h"
#include "fuzzy/sets/CFuzzyParamSet.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

constexpr double kPointRadius = 4.0;

QString NumberLabel(double value) { return QString::fromStdString(NumberText::threeDigits(value)); }

}  // namespace

TermChart::TermChart(QWidget* parent) : QWidget(parent) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void TermChart::setTable(const UserTermTable* table) {
    table_ = table;
    update();
}

void TermChart::setCurrentRow(int row) {
    currentRow_ = row;
    update();
}

TermChartGeometry TermChart::geometryFor(const UserTermTable& table) const {
    return TermChartGeometry(table.low(), table.high(), width(), height());
}

void TermChart::paintEvent(QPaintEvent*) {
    if (table_ == nullptr) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const TermChartGeometry geometry = geometryFor(*table_);
    drawAxes(painter, geometry);
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (row != currentRow_) drawTerm(painter, geometry, row);
    }
    if (currentRow_ >= 0 && currentRow_ < table_->rowCount()) {
        drawTerm(painter, geometry, currentRow_);
        drawPoints(painter, geometry, currentRow_);
    }
}

void TermChart::drawAxes(QPainter& painter, const TermChartGeometry& geometry) const {
    const double left = geometry.x(table_->low());
    const double right = geometry.x(table_->high());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(QPointF(left, geometry.y(0.0)), QPointF(right, geometry.y(0.0)));
    painter.drawLine(QPointF(left, geometry.y(0.0)), QPointF(left, geometry.y(1.0)));
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
    painter.drawLine(QPointF(left, geometry.y(1.0)), QPointF(right, geometry.y(1.0)));
    painter.drawLine(QPointF(left, geometry.y(0.5)), QPointF(right, geometry.y(0.5)));
    painter.setPen(palette().color(QPalette::Text));
    const double labelY = geometry.y(0.0) + 16.0;
    painter.drawText(QPointF(left - 4.0, labelY), NumberLabel(table_->low()));
    const QString high = NumberLabel(table_->high());
    painter.drawText(QPointF(right - painter.fontMetrics().horizontalAdvance(high) + 4.0, labelY), high);
    painter.drawText(QPointF(4.0, geometry.y(1.0) + 4.0), QStringLiteral("1"));
}

void TermChart::drawTerm(QPainter& painter, const TermChartGeometry& geometry, int row) const {
    const auto set = table_->set(row);
    if (!set) return;
    const bool current = row == currentRow_;
    painter.setPen(QPen(current ? QColor(200, 30, 30) : QColor(40, 90, 180), current ? 2.0 : 1.0));
    QPainterPath path;
    const int first = static_cast<int>(geometry.x(table_->low()));
    const int last = static_cast<int>(geometry.x(table_->high()));
    for (int px = first; px <= last; ++px) {
        const QPointF point(px, geometry.y(set->membership(geometry.value(px))));
        if (px == first) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    painter.drawPath(path);
}

void TermChart::drawPoints(QPainter& painter, const TermChartGeometry& geometry, int row) const {
    const std::string& type = table_->row(row).type;
    painter.setBrush(QColor(200, 30, 30));
    painter.setPen(Qt::NoPen);
    for (const int slot : UserTermShape::Slots(type)) {
        const auto value = table_->value(row, slot);
        if (!value || UserTermShape::IsScale(type, slot)) continue;
        painter.drawEllipse(QPointF(geometry.x(*value), geometry.slotY(slot)), kPointRadius, kPointRadius);
    }
}

void TermChart::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit pressed(event->position());
}

void TermChart::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) emit dragged(event->position());
}

void TermChart::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit released(event->position());
}

}  // namespace zorv
