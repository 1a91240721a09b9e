#include <algorithm>
#include <string>

#include "inference/ERefused.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "inference/compiled/Workspace.h"
#include "inference/defuzzifiers/DefuzzifierKernels.h"
#include "inference/defuzzifiers/Defuzzifiers.h"
#include "inference/smooth/SmoothSums.h"

namespace zorv {

namespace {

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
        s_.smooth.savedFired.assign(s.fired.begin(), s.fired.end());
    }
    ~FiredStateGuard() {
        std::copy(s_.smooth.centre.begin(), s_.smooth.centre.end(), s_.inputs.begin());
        s_.fired.assign(s_.smooth.savedFired.begin(), s_.smooth.savedFired.end());
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
    SmoothScratch& m = s.smooth;
    for (std::size_t k = 0; k < m.centre.size(); ++k) m.centre[k] = k < s.inputs.size() ? s.inputs[k] : 0.0;
    s.inputs.resize(m.centre.size());

    const int resolution = compiled.steps() * 8 / 10;
    const double inferences = m.axes.LayOut(compiled.contexts(), m.centre, resolution);
    if (inferences > kMaxSmoothInferences) Refuse(inferences);

    SmoothSums sums;
    {
        const FiredStateGuard guard(s);
        if (!SumOnGrid(compiled, s, sums)) sums = SumPointByPoint(compiled, s);
    }
    if (sums.weights != 0.0) return sums.sum / sums.weights;
    return SimpleDee(ViewOf(compiled, conclusion, range));
}

}  // namespace zorv
