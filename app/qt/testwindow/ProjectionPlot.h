#pragma once

#include <QWidget>
#include <vector>

namespace zorv {

class ProjectionGeometry;

// The projection plot of the test window: the output against one input over its context, the other inputs
// kept. Axes with their context labels, a grey line at output 0 when the output's context holds it, the
// points joined by a line and marked by small red discs, and one point highlighted by a larger yellow disc.
// A curve that stands for earlier inputs while a newer one computes is drawn in grey. The left button,
// pressed or dragged, picks the point under it. When switched off the area stays blank.
class ProjectionPlot final : public QWidget {
    Q_OBJECT

public:
    explicit ProjectionPlot(QWidget* parent = nullptr);

    void setFrame(double xLow, double xHigh, double yLow, double yHigh);
    // xs and ys: the points in order; ys may hold NaN where no output was computed.
    void setCurve(std::vector<double> xs, std::vector<double> ys);
    void clearCurve();
    void setStale(bool stale);
    // -1 for none.
    void setHighlight(int step);
    void setShown(bool shown);

    bool shown() const { return shown_; }
    bool stale() const { return stale_; }
    const std::vector<double>& xs() const { return xs_; }
    const std::vector<double>& ys() const { return ys_; }
    int highlight() const { return highlight_; }
    ProjectionGeometry geometry(QSize size) const;

    // The picture as the area shows it, on a white ground, for any paint device of that size.
    void paintPicture(QPainter& painter, QSize size) const;

Q_SIGNALS:
    // The left button was pressed or dragged at pixel column x.
    void picked(double x);

public:
    // Room for the steps of a projection to be told apart.
    QSize sizeHint() const override { return QSize(420, 260); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintAxes(QPainter& painter, const ProjectionGeometry& frame) const;
    void paintCurve(QPainter& painter, const ProjectionGeometry& frame) const;

    double xLow_ = 0.0;
    double xHigh_ = 1.0;
    double yLow_ = 0.0;
    double yHigh_ = 1.0;
    std::vector<double> xs_;
    std::vector<double> ys_;
    int highlight_ = -1;
    bool stale_ = false;
    bool shown_ = true;
    bool dragging_ = false;
};

}  // namespace zorv
