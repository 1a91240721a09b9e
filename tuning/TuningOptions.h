#pragma once

#include <set>
#include <string>
#include <vector>

#include "tuning/ErrorMeasure.h"
#include "tuning/ParameterBounds.h"
#include "tuning/ParameterCollector.h"
#include "tuning/SearchLimits.h"
#include "tuning/TuningScope.h"

namespace zorv {

// Everything a tuning is asked to do besides the rule base and the rows.
struct TuningOptions {
    // The bound share must lie in (0, kMaxShare): at 1/2 the intervals of neighbours would meet.
    static constexpr double kMaxShare = 0.5;

    TuningScope scope;
    std::set<std::string> fixed;  // names of variables whose vocabularies stay as they are
    double share = ParameterCollector::kDefaultShare;
    std::vector<ParameterBounds> bounds;
    ErrorMeasure measure;
    SearchLimits limits;
    double holdOut = 0.0;  // share of the rows kept out of the fit, to measure the tuned rule base on
    int jobs = 0;          // threads to evaluate the rows on; 0: every core
};

}  // namespace zorv
