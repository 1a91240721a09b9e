#pragma once

#include <optional>

namespace zorv {

// The frame of the projection plot in an area of width × height pixels (y downwards): the x axis at
// y = height − 40 from x = 40 to width − 20, the y axis at x = 40 from y = height − 40 up to y = 20. An input
// x of the context <xLow, xHigh> and an output y of <yLow, yHigh> stand at
//   (40 + (width − 60)(x − xLow)/(xHigh − xLow), (height − 40) − (height − 60)(y − yLow)/(yHigh − yLow)).
// A context without width puts every value at its axis's start.
class ProjectionGeometry {
public:
    static constexpr int kLeft = 40;
    static constexpr int kRight = 20;
    static constexpr int kTop = 20;
    static constexpr int kBottom = 40;

    ProjectionGeometry(int width, int height, double xLow, double xHigh, double yLow, double yHigh);

    int Left() const { return kLeft; }
    int Right() const { return width_ - kRight; }
    int Top() const { return kTop; }
    int Bottom() const { return height_ - kBottom; }

    double X(double x) const;
    double Y(double y) const;
    // Where the output 0 lies, for a context that holds it inside (yLow < 0 < yHigh); none otherwise.
    std::optional<double> ZeroLine() const;
    // The point picked at pixel column x among steps + 1 points: u = (x − 40)/(width − 60) held within [0, 1],
    // then u·steps rounded half up.
    int PickStep(double x, int steps) const;

private:
    int width_;
    int height_;
    double xLow_;
    double xHigh_;
    double yLow_;
    double yHigh_;
};

}  // namespace zorv
