#pragma once

#include <vector>

#include "app/core/tuning/BestErrorTrace.h"

namespace zorv {

// Where the best error of a tuning is drawn in a chart of width x height (y downwards): the evaluations from 0
// to the budget across, the error from 0 at the bottom to the first error at the top. The best error only
// falls, so the line is a staircase: level until an improvement, then straight down; it runs on level to the
// evaluations done so far.
class ErrorTracePlot {
public:
    struct Point {
        double x = 0.0;
        double y = 0.0;
    };

    static std::vector<Point> Line(const std::vector<BestErrorTrace::Point>& trace, int evaluationsDone, int budget,
                                   double width, double height);
};

}  // namespace zorv
