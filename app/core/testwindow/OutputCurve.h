#pragma once

#include <vector>

namespace zorv {

class CFuzzyDiscreteSet;

// A point of a curve in pixel coordinates (y downwards).
struct PlotPoint {
    double x = 0.0;
    double y = 0.0;

    bool operator==(const PlotPoint&) const = default;
};

// The output box's membership curve, drawn pixel by pixel in a box of width × height pixels: the axis lies
// at y = height − 30 from x = 20 to width − 20 and degree 1 stands 30 pixels below the top. For each pixel
// column i = 0 .. L with L = width − 40, x = low + i/L·(high − low) gives the point
// (20 + i, (height − 30) − μ(x)·(height − 60)); the curve ends on the axis at (width − 20, height − 30).
class OutputCurve {
public:
    static constexpr int kAxisFromBottom = 30;
    static constexpr int kTop = 30;

    // Empty for a box too narrow for its axis.
    static std::vector<PlotPoint> Of(const CFuzzyDiscreteSet& set, double low, double high, int width, int height);
};

}  // namespace zorv
