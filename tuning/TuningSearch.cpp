#include "tuning/TuningSearch.h"

#include <nlopt.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <memory>

namespace zorv {

namespace {

using Clock = std::chrono::steady_clock;

// What the optimiser sees for a candidate that makes no valid rule base: worse than any error.
constexpr double kRefused = 1e300;
// The first step of the local refinement, as a share of each parameter's interval.
constexpr double kLocalStep = 0.02;

// The bookkeeping the NLopt callback works on: counts, limits, the best point, the stop request.
struct SearchState {
    SearchState(const TuningSearch::Objective& objective_, const SearchProgressCallback& progress_,
                const TuningSearch::StopRequest& stop_, const SearchLimits& limits_)
        : objective(objective_), progress(progress_), stop(stop_), limits(limits_) {}

    const TuningSearch::Objective& objective;
    const SearchProgressCallback& progress;
    const TuningSearch::StopRequest& stop;
    const SearchLimits& limits;
    Clock::time_point started = Clock::now();
    nlopt_opt running = nullptr;
    int evaluations = 0;
    std::vector<double> best;
    double value = std::numeric_limits<double>::infinity();
    std::optional<SearchOutcome::End> end;

    double Seconds() const { return std::chrono::duration<double>(Clock::now() - started).count(); }

    // Why no more evaluation may run; none while one may.
    std::optional<SearchOutcome::End> Limit() const {
        if (stop && stop()) return SearchOutcome::End::stopped;
        if (evaluations >= limits.evaluations) return SearchOutcome::End::budget;
        if (limits.seconds && Seconds() >= *limits.seconds) return SearchOutcome::End::time;
        return std::nullopt;
    }

    double Evaluate(std::span<const double> x) {
        if (!end) end = Limit();
        if (end) {
            if (running != nullptr) nlopt_force_stop(running);
            return kRefused;
        }
        ++evaluations;
        const std::optional<double> f = objective(x);
        const bool improved = f && *f < value;
        if (improved) {
            value = *f;
            best.assign(x.begin(), x.end());
        }
        if (progress) progress({evaluations, limits.evaluations, value, improved});
        return f ? *f : kRefused;
    }

    static double Callback(unsigned n, const double* x, double* /*gradient*/, void* data) {
        return static_cast<SearchState*>(data)->Evaluate(std::span(x, n));
    }
};

using Optimiser = std::unique_ptr<nlopt_opt_s, decltype(&nlopt_destroy)>;

Optimiser Make(nlopt_algorithm algorithm, const std::vector<double>& lower, const std::vector<double>& upper,
               SearchState& state) {
    Optimiser opt(nlopt_create(algorithm, static_cast<unsigned>(lower.size())), &nlopt_destroy);
    nlopt_set_lower_bounds(opt.get(), lower.data());
    nlopt_set_upper_bounds(opt.get(), upper.data());
    nlopt_set_min_objective(opt.get(), &SearchState::Callback, &state);
    return opt;
}

// Runs one optimiser from x for at most `evaluations` more evaluations (the state stops it at the limits).
void RunFrom(nlopt_opt opt, std::vector<double> x, int evaluations, SearchState& state) {
    nlopt_set_maxeval(opt, evaluations);
    state.running = opt;
    double f = 0.0;
    nlopt_optimize(opt, x.data(), &f);
    state.running = nullptr;
}

}  // namespace

TuningSearch::TuningSearch(std::vector<double> start, std::vector<double> lower, std::vector<double> upper,
                           SearchLimits limits)
    : start_(std::move(start)), lower_(std::move(lower)), upper_(std::move(upper)), limits_(limits) {
    for (std::size_t i = 0; i < start_.size(); ++i) start_[i] = std::clamp(start_[i], lower_[i], upper_[i]);
}

SearchOutcome TuningSearch::Run(const Objective& objective, const SearchProgressCallback& progress,
                                const StopRequest& stop) const {
    SearchState state(objective, progress, stop, limits_);
    state.best = start_;
    state.Evaluate(start_);
    nlopt_srand(static_cast<unsigned long>(limits_.seed));

    const int globalBudget = static_cast<int>(std::lround(kGlobalShare * limits_.evaluations));
    if (!state.end && globalBudget > state.evaluations) {
        const Optimiser global = Make(NLOPT_GN_CRS2_LM, lower_, upper_, state);
        RunFrom(global.get(), state.best, globalBudget - state.evaluations, state);
    }
    const int globalEvaluations = state.evaluations;

    std::vector<double> step(lower_.size());
    for (std::size_t i = 0; i < step.size(); ++i) step[i] = kLocalStep * (upper_[i] - lower_[i]);
    bool improving = true;
    while (!state.end && improving && state.evaluations < limits_.evaluations) {
        const double before = state.value;
        const Optimiser local = Make(NLOPT_LN_SBPLX, lower_, upper_, state);
        nlopt_set_initial_step(local.get(), step.data());
        nlopt_set_xtol_rel(local.get(), 1e-8);
        RunFrom(local.get(), state.best, limits_.evaluations - state.evaluations, state);
        improving = state.value < before;
    }
    if (!state.end && state.evaluations >= limits_.evaluations) state.end = SearchOutcome::End::budget;

    SearchOutcome outcome;
    outcome.best = std::move(state.best);
    outcome.value = state.value;
    outcome.evaluations = state.evaluations;
    outcome.globalEvaluations = globalEvaluations;
    outcome.seconds = state.Seconds();
    outcome.end = state.end.value_or(SearchOutcome::End::converged);
    return outcome;
}

}  // namespace zorv
