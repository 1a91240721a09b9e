#include "inference/smooth/AxisDegrees.h"

#include "inference/methods/PerceptionThreshold.h"

namespace zorv {

bool AxisDegrees::Compute(const CompiledRules& rules, const SmoothAxes& axes, double upper, double lower) {
    degrees_.clear();
    levels_.clear();
    offset_.clear();
    width_.clear();
    levelOffset_.clear();
    bool ordered = true;
    for (int k = 0; k < axes.axisCount(); ++k) {
        const int first = rules.slotBegin[At(k)];
        const int end = rules.slotBegin[At(k) + 1];
        offset_.push_back(degrees_.size());
        width_.push_back(At(end - first));
        levelOffset_.push_back(levels_.size());
        for (const double p : axes.Coordinates(k)) {
            for (int s = first; s < end; ++s) {
                const SampledCell* cell = rules.degreeSlots[At(s)].cell;
                const double d = cell != nullptr ? cell->Degree(p) : 0.0;
                ordered = ordered && d >= 0.0;
                degrees_.push_back(d);
            }
            levels_.push_back(PerceptionLevel(rules.contexts[At(k)], p, upper, lower));
        }
    }
    return ordered;
}

}  // namespace zorv
