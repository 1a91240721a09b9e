#include "app/qt/tuning/BestErrorChart.h"

#include <QPainter>
#include <QPainterPath>

#include "app/core/tuning/ErrorTracePlot.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

constexpr int kMargin = 6;

}  // namespace

BestErrorChart::BestErrorChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(200, 100);
    setMaximumHeight(180);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void BestErrorChart::setTrace(std::vector<BestErrorTrace::Point> trace, int evaluationsDone, int budget) {
    trace_ = std::move(trace);
    done_ = evaluationsDone;
    budget_ = budget;
    update();
}

void BestErrorChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int labelWidth = fontMetrics().horizontalAdvance(QStringLiteral("0.000000"));
    const QRectF plot(kMargin + labelWidth, kMargin, width() - labelWidth - 2 * kMargin, height() - 2 * kMargin);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(plot);
    if (trace_.empty()) return;
    const auto line = ErrorTracePlot::Line(trace_, done_, budget_, plot.width(), plot.height());
    QPainterPath path(QPointF(plot.left() + line.front().x, plot.top() + line.front().y));
    for (const auto& p : line) path.lineTo(plot.left() + p.x, plot.top() + p.y);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawPath(path);
    painter.setPen(palette().color(QPalette::Text));
    const auto text = [](double value) { return QString::fromStdString(NumberText::threeDigits(value)); };
    painter.drawText(QRectF(0, plot.top(), labelWidth, fontMetrics().height()), Qt::AlignRight, text(trace_.front().best));
    painter.drawText(QRectF(0, plot.top() + line.back().y - fontMetrics().height(), labelWidth, fontMetrics().height()),
                     Qt::AlignRight, text(trace_.back().best));
}

}  // namespace zorv
