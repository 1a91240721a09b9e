#pragma once

#include <QWidget>

namespace zorv {

class UserTermTable;
class TermChartGeometry;

// Draws the terms of a term grid over the variable's context, the current term highlighted with its
// parameter points. Left-button presses, drags and releases are reported for parameter dragging.
class TermChart : public QWidget {
    Q_OBJECT

public:
    explicit TermChart(QWidget* parent = nullptr);

    // The table shown (not owned; it must outlive the chart or be replaced).
    void setTable(const UserTermTable* table);
    void setCurrentRow(int row);
    int currentRow() const { return currentRow_; }
    TermChartGeometry geometryFor(const UserTermTable& table) const;

    QSize sizeHint() const override { return {600, 220}; }
    QSize minimumSizeHint() const override { return {200, 120}; }

signals:
    void pressed(QPointF position);
    void dragged(QPointF position);
    void released(QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void drawAxes(QPainter& painter, const TermChartGeometry& geometry) const;
    void drawTerm(QPainter& painter, const TermChartGeometry& geometry, int row) const;
    void drawPoints(QPainter& painter, const TermChartGeometry& geometry, int row) const;

    const UserTermTable* table_ = nullptr;
    int currentRow_ = -1;
};

}  // namespace zorv
