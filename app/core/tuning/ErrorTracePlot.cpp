#include "app/core/tuning/ErrorTracePlot.h"

#include <algorithm>
#include <cmath>

namespace zorv {

std::vector<ErrorTracePlot::Point> ErrorTracePlot::Line(const std::vector<BestErrorTrace::Point>& trace,
                                                        int evaluationsDone, int budget, double width,
                                                        double height) {
    std::vector<Point> line;
    if (trace.empty() || budget <= 0) return line;
    const double top = trace.front().best;
    const auto x = [&](int evaluation) { return width * std::clamp(evaluation, 0, budget) / budget; };
    const auto y = [&](double best) {
        return top > 0.0 && std::isfinite(best) ? height * (1.0 - std::clamp(best / top, 0.0, 1.0)) : 0.0;
    };
    line.push_back({x(trace.front().evaluation), y(top)});
    for (std::size_t i = 1; i < trace.size(); ++i) {
        line.push_back({x(trace[i].evaluation), line.back().y});
        line.push_back({x(trace[i].evaluation), y(trace[i].best)});
    }
    line.push_back({x(std::max(evaluationsDone, trace.back().evaluation)), line.back().y});
    return line;
}

}  // namespace zorv
