#pragma once

#include <string>
#include <vector>

namespace zorv {

struct TuningResult;

// What the tuning dialog shows of a result: the errors before and after, one row per parameter that moved,
// and how the search ended. Numbers have six significant digits, as the file holds the tuned values.
class TuningSummary {
public:
    struct Change {
        std::string name;
        std::string before;
        std::string after;
    };

    // "Training RMSE: 20.2805 → 0.0403631 (400 rows)", then the hold-out's line when there is one.
    static std::vector<std::string> Errors(const TuningResult& result);
    static std::vector<Change> Changes(const TuningResult& result);
    // "1500 evaluations in 0.87 s: budget used."
    static std::string Ending(const TuningResult& result);
};

}  // namespace zorv
