#pragma once

namespace zorv {

// The horizontal axis of the test window's input and output boxes in a box `width` pixels wide: it runs
// from x = 20 to width − 20, and a relative position p in [0, 1] stands at 20 + (width − 40)·p.
class PanelAxis {
public:
    static constexpr int kMargin = 20;

    explicit PanelAxis(int width) : width_(width) {}

    int Left() const { return kMargin; }
    int Right() const { return width_ - kMargin; }
    int Length() const { return width_ - 2 * kMargin; }
    double XAt(double position) const { return kMargin + Length() * position; }
    // The position under pixel column x: (x − 20)/(width − 40), held within [0, 1]; 0 in a box too narrow
    // for its axis.
    double PositionAt(double x) const;

private:
    int width_;
};

}  // namespace zorv
