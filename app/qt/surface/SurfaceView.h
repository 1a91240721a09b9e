#pragma once

#include <QWidget>
#include <array>

#include "app/core/surface/SurfaceScales.h"
#include "surface/Graphics3d.h"
#include "surface/MouseRotation.h"
#include "surface/Net3d.h"

namespace zorv {

// The drawing area of the surface window: paints the net and its axes (Graphics3d) with the scales of the
// two inputs and the output (SurfaceScales), and turns the view with the mouse (MouseRotation). The view is
// kept when a new net comes. It reports where the mouse points, so that the window can show the value there.
class SurfaceView final : public QWidget {
    Q_OBJECT

public:
    explicit SurfaceView(QWidget* parent = nullptr);

    // The net, with what its three coordinates measure.
    void setNet(Net3d net, const std::array<SurfaceRange, 3>& ranges);
    const Net3d& net() const { return net_; }
    // Faces filled by height instead of white.
    void setHeightColours(bool on);
    const Graphics3d& graphics() const { return graphics_; }

    // The picture as the view shows it, on a white ground, for any paint device of the view's size.
    void paintPicture(QPainter& painter) const;

signals:
    // The mouse is over the area at point (view coordinates), or has left it (none).
    void pointed(QPoint point);
    void left();

protected:
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static ScreenPoint pointOf(const QMouseEvent* event);

    Graphics3d graphics_;
    Net3d net_;
    std::array<SurfaceRange, 3> ranges_;
    bool scaled_ = false;
    MouseRotation rotation_;
};

}  // namespace zorv
