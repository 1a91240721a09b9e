#pragma once

#include <QWidget>

#include "surface/Graphics3d.h"
#include "surface/MouseRotation.h"
#include "surface/Net3d.h"

namespace zorv {

// The drawing area of the surface window: paints the net and its axes (Graphics3d) and turns the view with
// the mouse (MouseRotation). The view is kept when a new net comes.
class SurfaceView final : public QWidget {
    Q_OBJECT

public:
    explicit SurfaceView(QWidget* parent = nullptr);

    void setNet(Net3d net);
    const Net3d& net() const { return net_; }
    const Graphics3d& graphics() const { return graphics_; }

    // The picture as the view shows it, on a white ground, for any paint device of the view's size.
    void paintPicture(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static ScreenPoint pointOf(const QMouseEvent* event);

    Graphics3d graphics_;
    Net3d net_;
    MouseRotation rotation_;
};

}  // namespace zorv
