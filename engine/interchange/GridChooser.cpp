#include "interchange/GridChooser.h"

#include <algorithm>
#include <cmath>

namespace zorv {

namespace {

// Whether r * m is an integer up to rounding (r in [0, 1]).
bool OnGrid(double r, int m) {
    const double t = r * m;
    return std::fabs(t - std::round(t)) <= 1e-9 * m;
}

}  // namespace

GridChooser::Choice GridChooser::Choose(double low, double high, const std::vector<double>& breakpoints,
                                        int minIntervals) {
    std::vector<double> ratios;
    for (const double p : breakpoints) {
        if (!(p > low && p < high)) continue;  // the ends are grid points; outside points do not bend the samples
        ratios.push_back((p - low) / (high - low));
    }
    std::sort(ratios.begin(), ratios.end());
    ratios.erase(std::unique(ratios.begin(), ratios.end()), ratios.end());
    // Beyond a few thousand breakpoints no small grid holds them all: the search is not worth its time.
    const int last = ratios.size() > kMaxBreakpoints ? minIntervals - 1 : kMaxIntervals;
    for (int m = minIntervals; m <= last; ++m) {
        bool all = true;
        for (const double r : ratios) {
            if (!OnGrid(r, m)) {
                all = false;
                break;
            }
        }
        if (all) return {m + 1, {}};
    }
    Choice fallback{std::max(kFallbackIntervals, minIntervals) + 1, {}};
    for (std::size_t i = 0; i < ratios.size(); ++i)
        if (!OnGrid(ratios[i], fallback.points - 1)) fallback.offGrid.push_back(low + ratios[i] * (high - low));
    return fallback;
}

}  // namespace zorv
