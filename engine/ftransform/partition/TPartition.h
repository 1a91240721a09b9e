#pragma once

namespace zorv {

// The node grid of one axis: intervals + 1 equidistant nodes on [low, high] with the step
// h = (high - low) / intervals; node k sits at low + k·h.
class TPartition {
public:
    // Throws std::invalid_argument unless low < high (finite) and intervals >= 1.
    TPartition(double low, double high, int intervals);

    double low() const { return low_; }
    double high() const { return high_; }
    int intervals() const { return intervals_; }
    double step() const { return step_; }
    double node(int k) const { return low_ + k * step_; }

    // The node at or below x: floor(intervals·(clamp(x) - low) / (high - low)), with x clamped
    // into [low, high] first (a NaN counts as low). x = high gives the last node.
    int nodeOf(double x) const;

private:
    double low_;
    double high_;
    int intervals_;
    double step_;
};

}  // namespace zorv
