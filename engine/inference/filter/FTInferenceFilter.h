#pragma once

#include <memory>
#include <span>
#include <vector>

#include "ftransform/command/ProgressReporter.h"
#include "ftransform/partition/PartitionSettings.h"
#include "ftransform/transform/TFTransform.h"

namespace zorv {

class CRuleBase;

// The F-transform inference filter of a rule base: smooths the unit's input-output function f by
// sampling it on a dense grid (FilterSampleGrid, 201 points per input) and fitting an F-transform with
// 20 triangular nodes per input over the inputs' contexts. Filtered evaluation returns the inverse
//     f~(x) = Σ_k A_k(x)·F_k,   F_k = Σ_p A_k(p)·f(p) / Σ_p A_k(p)   (p: the sample points),
// with the midpoint of the first output's context for a node no sample reaches.
//
// The samples are the unit's plain response (CRuleBase::Evaluate) for every description type, so a
// Takagi-Sugeno unit is filtered as well. A rebuild that would cost too many inferences, or that cannot be
// fitted, is refused with ERefused before anything is evaluated (FilterRebuildCheck); the filter is then
// left as it was. The unit must outlive the filter (it owns it).
class FTInferenceFilter {
public:
    using Progress = ProgressReporter::Callback;
    static constexpr int kNodes = 20;

    // Builds the filter (Rebuild). threads: the most threads sampling may use, 0 for the number of cores.
    explicit FTInferenceFilter(CRuleBase& unit, const Progress& progress = {}, int threads = 0);

    // Samples the unit's current response and fits the transform anew. Afterwards the unit's input
    // buffer, fired flags and firedCount are those of the last sample. Throws ERefused (see above).
    void Rebuild(const Progress& progress = {});

    // The filtered output at the inputs (one per input the filter was built for), each first clamped
    // into its context.
    double Evaluate(std::span<const double> inputs) const;
    double Evaluate(const double* inputs) const { return Evaluate(std::span(inputs, dimensions())); }

    std::size_t dimensions() const { return partitions_.size(); }
    const std::vector<PartitionSettings>& Partitions() const { return partitions_; }
    const TFTransform& Transform() const { return *transform_; }

private:
    CRuleBase& unit_;
    int threads_;
    std::vector<PartitionSettings> partitions_;
    std::unique_ptr<TFTransform> transform_;
};

}  // namespace zorv
