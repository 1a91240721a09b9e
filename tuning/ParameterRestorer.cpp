#include "tuning/ParameterRestorer.h"

namespace zorv {

int ParameterRestorer::Needs(std::span<const double> best) const {
    int moved = 0;
    for (std::size_t i = 0; i < best.size(); ++i) moved += best[i] != start_[i] ? 1 : 0;
    return moved;
}

void ParameterRestorer::Run(SearchOutcome& outcome, int budget, const SearchProgressCallback& progress,
                            const TuningSearch::StopRequest& stop) const {
    std::vector<double> trial = outcome.best;
    for (std::size_t i = 0; i < trial.size(); ++i) {
        if (trial[i] == start_[i]) continue;
        if (outcome.evaluations >= budget || (stop && stop())) return;
        trial[i] = start_[i];
        const auto value = objective_(trial);
        ++outcome.evaluations;
        const bool kept = value && *value <= outcome.value;
        const bool improved = kept && *value < outcome.value;
        if (kept) {
            outcome.value = *value;
            outcome.best = trial;
        } else {
            trial[i] = outcome.best[i];
        }
        if (progress) progress({outcome.evaluations, budget, outcome.value, improved});
    }
}

}  // namespace zorv
