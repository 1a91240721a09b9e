#include "app/core/testwindow/OutputCurve.h"

#include "app/core/testwindow/PanelAxis.h"
#include "fuzzy/sets/CFuzzyDiscreteSet.h"

namespace zorv {

std::vector<PlotPoint> OutputCurve::Of(const CFuzzyDiscreteSet& set, double low, double high, int width, int height) {
    const PanelAxis axis(width);
    const int columns = axis.Length();
    if (columns <= 0) return {};
    const double base = height - kAxisFromBottom;
    const double unit = height - kAxisFromBottom - kTop;
    std::vector<PlotPoint> points;
    points.reserve(static_cast<std::size_t>(columns) + 2);
    for (int i = 0; i <= columns; ++i) {
        const double x = i == columns ? high : low + static_cast<double>(i) / columns * (high - low);
        points.push_back({static_cast<double>(axis.Left() + i), base - set.membership(x) * unit});
    }
    points.push_back({static_cast<double>(axis.Right()), base});
    return points;
}

}  // namespace zorv
