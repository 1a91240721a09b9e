#pragma once

#include <cstddef>
#include <vector>

namespace zorv {

// Chooses the discretization of an imported variable so that the points where its terms bend lie on the grid:
// a triangle or trapezoid sampled there and interpolated linearly between grid points is then exactly the
// original shape. The grid has M + 1 points for the smallest M from minIntervals up to kMaxIntervals that puts
// every breakpoint inside the context on a grid point; when none does, M is kFallbackIntervals.
class GridChooser {
public:
    static constexpr int kMinIntervals = 300;      // the default grid of the system: 301 points
    static constexpr int kSmoothIntervals = 1000;  // for curved terms, whose interpolation error falls with h^2
    static constexpr int kMaxIntervals = 6000;
    static constexpr int kFallbackIntervals = 1000;
    static constexpr std::size_t kMaxBreakpoints = 2000;

    struct Choice {
        int points = kMinIntervals + 1;
        std::vector<double> offGrid;  // breakpoints that could not be put on the grid
    };

    static Choice Choose(double low, double high, const std::vector<double>& breakpoints, int minIntervals);
};

}  // namespace zorv
