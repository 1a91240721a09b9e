#pragma once

#include <string_view>
#include <vector>

namespace zorv {

// What a search found and why it ended.
struct SearchOutcome {
    enum class End {
        budget,     // every evaluation of the budget was used
        time,       // the time limit was reached
        converged,  // the local refinement found nothing better nearby before the budget ran out
        stopped,    // stop was requested (Cancel, Ctrl+C)
    };

    std::vector<double> best;  // the best values found (the start when nothing was better)
    double value = 0.0;        // the objective there
    int evaluations = 0;
    int globalEvaluations = 0;  // of these, spent by the global search
    double seconds = 0.0;
    End end = End::budget;

    static std::string_view EndText(End end) {
        switch (end) {
            case End::time:
                return "time limit reached";
            case End::converged:
                return "converged";
            case End::stopped:
                return "stopped";
            case End::budget:
                break;
        }
        return "budget used";
    }
};

}  // namespace zorv
