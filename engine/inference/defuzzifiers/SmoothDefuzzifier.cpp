#include <algorithm>
#include <cmath>
#include <string>

#include "inference/ERefused.h"
#include "inference/InferenceMethodTable.h"
#include "inference/defuzzifiers/DefuzzifierKernels.h"
#include "inference/defuzzifiers/Defuzzifiers.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

constexpr double kWindowShare = 0.1;  // the neighbourhood reaches a tenth of the context on either side

// Lays out axis k of the neighbourhood around the centre; returns how many coordinates it has (about).
double LayOutAxis(InferenceScratch& s, int k, int resolution) {
    const auto i = static_cast<std::size_t>(k);
    const AntecedentContext& context = s.contexts[i];
    const double x = s.smoothCentre[i];
    const double d = (context.high - context.low) / 10;
    s.smoothStep[i] = d * 2 * 0.999 / resolution;
    s.smoothFrom[i] = std::max(context.low, x - d);
    s.smoothTo[i] = std::min(context.high, x + d);
    const double window[3] = {s.smoothFrom[i], x, s.smoothTo[i]};
    s.smoothWindows[i].setParams(window);
    // A step that does not advance (zero-width context) leaves a single coordinate.
    const double step = s.smoothStep[i];
    if (!(step > 0.0) || !std::isfinite(step)) return 1.0;
    const double span = s.smoothTo[i] - s.smoothFrom[i];
    return span >= 0.0 ? std::floor(span / step) + 1.0 : 1.0;
}

// Moves coordinate k to the next point; false when it wrapped back to its first one.
bool AdvanceAxis(InferenceScratch& s, std::size_t k) {
    const double step = s.smoothStep[k];
    if (step > 0.0 && std::isfinite(step)) {
        s.smoothPoint[k] += step;
        if (s.smoothPoint[k] <= s.smoothTo[k]) {
            s.smoothWeight[k] = s.smoothWindows[k].mu(s.smoothPoint[k]);
            return true;
        }
    }
    s.smoothPoint[k] = s.smoothFrom[k];
    s.smoothWeight[k] = s.smoothWindows[k].mu(s.smoothPoint[k]);
    return false;
}

// Odometer step, first antecedent fastest; false once the last antecedent has wrapped.
bool Advance(InferenceScratch& s) {
    for (std::size_t k = 0; k < s.smoothPoint.size(); ++k)
        if (AdvanceAxis(s, k)) return true;
    return false;
}

double Weight(const InferenceScratch& s) {
    double omega = 1.0;
    for (const double w : s.smoothWeight) omega *= w;
    return omega;
}

void Refuse(double inferences) {
    throw ERefused("Smooth defuzzification would need about " + std::to_string(static_cast<long long>(inferences)) +
                   " inferences (at most " + std::to_string(static_cast<long long>(kMaxSmoothInferences)) +
                   " are run); lower the number of steps or choose another defuzzification method.");
}

// Keeps what the inference at the centre left in the unit (input buffer, fired flags, firedCount) and puts
// it back when the neighbourhood has been visited, also when an inference throws.
class FiredStateGuard {
public:
    FiredStateGuard(CRuleBase& unit, InferenceScratch& s) : unit_(unit), s_(s), count_(unit.FiredCount()) {
        s_.savedFired.assign(unit.Fired().begin(), unit.Fired().end());
    }
    ~FiredStateGuard() {
        std::copy(s_.smoothCentre.begin(), s_.smoothCentre.end(), unit_.InputBuffer().begin());
        unit_.Fired().assign(s_.savedFired.begin(), s_.savedFired.end());
        unit_.SetFiredCount(count_);
    }
    FiredStateGuard(const FiredStateGuard&) = delete;
    FiredStateGuard& operator=(const FiredStateGuard&) = delete;

private:
    CRuleBase& unit_;
    InferenceScratch& s_;
    int count_;
};

}  // namespace

double DefuzzifySmooth(CRuleBase& unit, const CFuzzyDiscreteSet& conclusion, ConclusionRange range) {
    InferenceScratch& s = unit.Scratch();
    s.EnsurePrepared(unit);
    const std::vector<double>& inputs = unit.InputBuffer();
    for (std::size_t k = 0; k < s.smoothCentre.size(); ++k) s.smoothCentre[k] = k < inputs.size() ? inputs[k] : 0.0;
    unit.InputBuffer().resize(s.smoothCentre.size());

    const int resolution = unit.Steps() * 8 / 10;
    double inferences = 1.0;
    for (int k = 0; k < s.antecedentCount; ++k) inferences *= LayOutAxis(s, k, resolution);
    if (inferences > kMaxSmoothInferences) Refuse(inferences);

    for (std::size_t k = 0; k < s.smoothPoint.size(); ++k) {
        s.smoothPoint[k] = s.smoothFrom[k];
        s.smoothWeight[k] = s.smoothWindows[k].mu(s.smoothPoint[k]);
    }
    const InferenceMethodEntry& method = unit.InferenceMethod();
    double weights = 0.0;
    double sum = 0.0;
    {
        const FiredStateGuard guard(unit, s);
        do {
            const ConclusionRange range = InferConclusion(method, unit, s.smoothPoint.data(), s.smoothConclusion);
            const double omega = Weight(s);
            const double v = SimpleDee(ViewOf(unit, s.smoothConclusion, range));
            weights += omega;
            sum += omega * v;
        } while (Advance(s));
    }
    if (weights != 0.0) return sum / weights;
    return SimpleDee(ViewOf(unit, conclusion, range));
}

}  // namespace zorv
