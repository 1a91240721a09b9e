#pragma once

#include <QWidget>

namespace zorv {

// The slider of one input in the test window: an axis over the variable's context with a red marker at the
// input's place and its value above it. Pressing the left button and dragging chooses a place; the box
// reports it and shows what it is told afterwards.
class FuzzySetInputBox final : public QWidget {
    Q_OBJECT

public:
    explicit FuzzySetInputBox(double low, double high, QWidget* parent = nullptr);

    // position: relative, in [0, 1]; value: the input it stands for.
    void setState(double position, double value);
    double position() const { return position_; }

Q_SIGNALS:
    // The left button was pressed or dragged at this relative position.
    void positionChosen(double position);

public:
    // Room for the slider to be set to a tenth of the context with ease.
    QSize sizeHint() const override { return QSize(320, 80); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void choose(const QMouseEvent* event);

    double low_;
    double high_;
    double position_ = 0.5;
    double value_;
    bool dragging_ = false;
};

}  // namespace zorv
