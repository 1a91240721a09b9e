#pragma once

namespace zorv {

// Where the term chart puts values and degrees: x runs over <low, high> across the width less 50 units,
// starting 25 units from the left; degree 1 sits 30 units from the top and degree 0 at the height less 30.
class TermChartGeometry {
public:
    static constexpr double kLeft = 25.0;
    static constexpr double kTop = 30.0;

    TermChartGeometry(double low, double high, double width, double height)
        : low_(low), high_(high), width_(width), height_(height) {}

    double plotWidth() const { return width_ - 2.0 * kLeft; }
    double plotHeight() const { return height_ - 2.0 * kTop; }

    double x(double value) const;
    double y(double degree) const { return kTop + (1.0 - degree) * plotHeight(); }
    // The value under x, limited to <low, high>.
    double value(double x) const;
    // Height of a parameter slot's point: the kernel at degree 1, the equilibrium points at 0.5 and the
    // support at 0.
    double slotY(int slot) const;

private:
    double low_;
    double high_;
    double width_;
    double height_;
};

}  // namespace zorv
