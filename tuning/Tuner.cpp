#include "tuning/Tuner.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"
#include "tuning/ETuningRefused.h"
#include "tuning/ParameterCollector.h"
#include "tuning/ParameterRestorer.h"

namespace zorv {

namespace {

std::string ListOf(const ParameterSpace& space) {
    std::string names;
    for (const TuningParameter& p : space.Parameters()) names += (names.empty() ? "" : ", ") + p.name;
    return names.empty() ? "none" : names;
}

void CheckBounds(const ParameterBounds& b) {
    if (!(std::isfinite(b.lower) && std::isfinite(b.upper) && b.lower <= b.upper)) {
        throw ETuningRefused("the bounds of " + b.name + " are no interval: " + NumberText::interval(b.lower, b.upper));
    }
}

}  // namespace

Tuner::Tuner(const CRuleBase& unit, const TuningRows& rows, const TuningOptions& options)
    : options_(options),
      training_(rows.InputCount()),
      holdOut_(rows.InputCount()),
      applier_((CheckUnit(unit, rows), unit), SpaceOf(unit, options)),
      objective_(options.measure, options.jobs) {
    if (!(options.holdOut >= 0.0 && options.holdOut < 1.0)) {
        throw ETuningRefused("the hold-out share must lie in [0, 1)");
    }
    std::tie(training_, holdOut_) = rows.Split(options.holdOut, options.limits.seed);
    if (training_.Empty()) throw ETuningRefused("no data rows are left to fit once the hold-out is set aside");
    if (!objective_.Of(unit.Compiled(), training_)) {
        throw ETuningRefused("the rule base gives no finite output for some data row");
    }
}

void Tuner::CheckUnit(const CRuleBase& unit, const TuningRows& rows) {
    if (unit.SuccedentCount() == 0) throw ETuningRefused("the rule base has no output variable");
    if (const auto& refusal = unit.Compiled()->refusal()) throw ETuningRefused(*refusal);
    if (rows.InputCount() != unit.AntecedentCount()) {
        throw ETuningRefused("the data rows hold " + std::to_string(rows.InputCount()) + " inputs, the rule base has " +
                             std::to_string(unit.AntecedentCount()));
    }
    if (rows.Empty()) throw ETuningRefused("there are no data rows");
}

ParameterSpace Tuner::SpaceOf(const CRuleBase& unit, const TuningOptions& options) {
    if (!(options.share > 0.0 && options.share < TuningOptions::kMaxShare)) {
        throw ETuningRefused("the bound share must lie between 0 and 0.5");
    }
    if (options.scope.Empty()) throw ETuningRefused("nothing is chosen to move");
    for (const std::string& name : options.fixed) {
        if (unit.FindVariable(name) == CRuleBase::kNoVariable) throw ETuningRefused("there is no variable " + name);
    }
    ParameterSpace space(ParameterCollector(unit, options.share).Collect(options.scope, options.fixed));
    for (const ParameterBounds& b : options.bounds) {
        CheckBounds(b);
        if (!space.SetBounds(b.name, b.lower, b.upper)) {
            throw ETuningRefused("there is no parameter " + b.name + " to bound (the parameters: " + ListOf(space) + ")");
        }
    }
    space.DropFixed();
    if (space.Empty()) throw ETuningRefused("the rule base has no parameter that may move (" + options.scope.Text() + ")");
    return space;
}

std::optional<double> Tuner::Objective(std::span<const double> values) const {
    const AppliedParameters applied = applier_.Apply(values);
    if (!applied.unit) return std::nullopt;
    return objective_.Of(applied.unit->Compiled(), training_);
}

TuningResult Tuner::Run(const SearchProgressCallback& progress, const TuningSearch::StopRequest& stop) const {
    const ParameterSpace& space = Space();
    const TuningSearch::Objective objective = [this](std::span<const double> x) { return Objective(x); };
    const int budget = options_.limits.evaluations;
    SearchLimits limits = options_.limits;
    limits.evaluations = budget - std::min(space.Size(), budget / 4);  // left for the restorer
    TuningResult result;
    result.search = TuningSearch(space.Initial(), space.Lower(), space.Upper(), limits).Run(objective, progress, stop);
    SearchOutcome& search = result.search;
    if (search.end == SearchOutcome::End::budget || search.end == SearchOutcome::End::converged) {
        ParameterRestorer(space.Initial(), objective).Run(search, budget, progress, stop);
        if (stop && stop()) search.end = SearchOutcome::End::stopped;
    }
    std::vector<double> values = search.best;
    AppliedParameters applied = Final(values);
    const double before = *objective_.Of(applier_.Base().Compiled(), training_);
    const auto after = applied.unit ? objective_.Of(applied.unit->Compiled(), training_) : std::nullopt;
    if (!after || *after > before) {
        applied.unit = std::make_unique<CRuleBase>(applier_.Base());
        values = space.Initial();
    }
    result.tuned = std::move(applied.unit);
    for (int i = 0; i < space.Size(); ++i) {
        const TuningParameter& p = space.Parameters()[static_cast<std::size_t>(i)];
        result.changes.push_back({p.name, p.initial, values[static_cast<std::size_t>(i)]});
    }
    Report(result, *result.tuned);
    return result;
}

AppliedParameters Tuner::Final(std::vector<double>& values) const {
    std::vector<double> rounded = values;
    for (double& v : rounded) v = NumberText::parseDecimal(NumberText::general(v)).value_or(v);
    AppliedParameters applied = applier_.Apply(rounded);
    if (applied.unit) {
        values = std::move(rounded);
        return applied;
    }
    return applier_.Apply(values);
}

void Tuner::Report(TuningResult& result, const CRuleBase& tuned) const {
    const CRuleBase& base = applier_.Base();
    result.measure = std::string(objective_.Measure().Name());
    result.trainingRows = training_.Count();
    result.holdOutRows = holdOut_.Count();
    result.trainingBefore = *objective_.Of(base.Compiled(), training_);
    result.trainingAfter = *objective_.Of(tuned.Compiled(), training_);
    if (!holdOut_.Empty()) {
        result.holdOutBefore = objective_.Of(base.Compiled(), holdOut_);
        result.holdOutAfter = objective_.Of(tuned.Compiled(), holdOut_);
    }
}

}  // namespace zorv
