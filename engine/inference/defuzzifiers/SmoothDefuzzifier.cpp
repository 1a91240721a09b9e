#include <algorithm>
#include <cmath>
#include <string>

#include "inference/ERefused.h"
#include "inference/EStopped.h"
#include "inference/InferenceMethodTable.h"
#include "inference/defuzzifiers/DefuzzifierKernels.h"
#include "inference/defuzzifiers/Defuzzifiers.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "inference/compiled/Workspace.h"

namespace zorv {

namespace {

constexpr double kWindowShare = 0.1;  // the neighbourhood reaches a tenth of the context on either side

// Lays out axis k of the neighbourhood around the centre; returns how many coordinates it has (about).
double LayOutAxis(const CompiledRules& c, Workspace& s, int k, int resolution) {
    const auto i = static_cast<std::size_t>(k);
    const AntecedentContext& context = c.contexts[i];
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
bool AdvanceAxis(Workspace& s, std::size_t k) {
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
bool Advance(Workspace& s) {
    for (std::size_t k = 0; k < s.smoothPoint.size(); ++k)
        if (AdvanceAxis(s, k)) return true;
    return false;
}

double Weight(const Workspace& s) {
    double omega = 1.0;
    for (const double w : s.smoothWeight) omega *= w;
    return omega;
}

void Refuse(double inferences) {
    throw ERefused("Smooth defuzzification would need about " + std::to_string(static_cast<long long>(inferences)) +
                   " inferences (at most " + std::to_string(static_cast<long long>(kMaxSmoothInferences)) +
                   " are run); lower the number of steps or choose another defuzzification method.");
}

// Keeps what the inference at the centre left in the workspace (inputs, fired flags, firedCount) and puts it
// back when the neighbourhood has been visited, also when an inference throws.
class FiredStateGuard {
public:
    explicit FiredStateGuard(Workspace& s) : s_(s), count_(s.firedCount) {
        s_.savedFired.assign(s.fired.begin(), s.fired.end());
    }
    ~FiredStateGuard() {
        std::copy(s_.smoothCentre.begin(), s_.smoothCentre.end(), s_.inputs.begin());
        s_.fired.assign(s_.savedFired.begin(), s_.savedFired.end());
        s_.firedCount = count_;
    }
    FiredStateGuard(const FiredStateGuard&) = delete;
    FiredStateGuard& operator=(const FiredStateGuard&) = delete;

private:
    Workspace& s_;
    int count_;
};

}  // namespace

double DefuzzifySmooth(const CompiledRuleBase& compiled, Workspace& s, const CFuzzyDiscreteSet& conclusion,
                       ConclusionRange range) {
    s.Fit(compiled);
    const CompiledRules& c = compiled.rules();
    const std::vector<double>& inputs = s.inputs;
    for (std::size_t k = 0; k < s.smoothCentre.size(); ++k) s.smoothCentre[k] = k < inputs.size() ? inputs[k] : 0.0;
    s.inputs.resize(s.smoothCentre.size());

    const int resolution = compiled.steps() * 8 / 10;
    double inferences = 1.0;
    for (int k = 0; k < c.antecedentCount; ++k) inferences *= LayOutAxis(c, s, k, resolution);
    if (inferences > kMaxSmoothInferences) Refuse(inferences);

    for (std::size_t k = 0; k < s.smoothPoint.size(); ++k) {
        s.smoothPoint[k] = s.smoothFrom[k];
        s.smoothWeight[k] = s.smoothWindows[k].mu(s.smoothPoint[k]);
    }
    const InferenceMethodEntry& method = compiled.inferenceMethod();
    double weights = 0.0;
    double sum = 0.0;
    {
        const FiredStateGuard guard(s);
        do {
            if (s.stop.stop_requested()) throw EStopped();
            const ConclusionRange range = InferConclusion(method, compiled, s, s.smoothPoint.data(), s.smoothConclusion);
            const double omega = Weight(s);
            const double v = SimpleDee(ViewOf(compiled, s.smoothConclusion, range));
            weights += omega;
            sum += omega * v;
        } while (Advance(s));
    }
    if (weights != 0.0) return sum / weights;
    return SimpleDee(ViewOf(compiled, conclusion, range));
}

}  // namespace zorv
