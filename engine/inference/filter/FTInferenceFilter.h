#pragma once

#include <memory>
#include <span>
#include <stop_token>
#include <vector>

#include "ftransform/command/ProgressReporter.h"
#include "ftransform/partition/PartitionSettings.h"
#include "ftransform/transform/TFTransform.h"

namespace zorv {

class CompiledRuleBase;

// The F-transform inference filter of a rule base: smooths the compiled rule base's input-output function f
// by sampling it on a dense grid (FilterSampleGrid, 201 points per input) and fitting an F-transform with
// 20 triangular nodes per input over the inputs' contexts. Filtered evaluation returns the inverse
//     f~(x) = Σ_k A_k(x)·F_k,   F_k = Σ_p A_k(p)·f(p) / Σ_p A_k(p)   (p: the sample points),
// with the midpoint of the first output's context for a node no sample reaches.
//
// The samples are the compiled form's plain response for every description type, so a Takagi-Sugeno rule
// base is filtered as well. A build that would cost too much, or that cannot be fitted, is refused with
// ERefused before anything is evaluated (FilterRebuildCheck). A filter is immutable once built; it keeps the
// compiled form it was made from, so that its holder can tell whether it is still current.
class FTInferenceFilter {
public:
    using Progress = ProgressReporter::Callback;
    static constexpr int kNodes = 20;

    // Samples the compiled form on up to `threads` threads (0: every core), each with a workspace of its
    // own, and fits the transform; the result does not depend on the number of threads. Progress is
    // reported on the calling thread. Returns null when stop was requested before the end; throws ERefused.
    static std::shared_ptr<const FTInferenceFilter> Build(std::shared_ptr<const CompiledRuleBase> source,
                                                          const Progress& progress = {}, std::stop_token stop = {},
                                                          int threads = 0);

    // The filtered output at the inputs (one per input the filter was built for), each first clamped
    // into its context.
    double Evaluate(std::span<const double> inputs) const;
    double Evaluate(const double* inputs) const { return Evaluate(std::span(inputs, dimensions())); }

    std::size_t dimensions() const { return partitions_.size(); }
    const std::vector<PartitionSettings>& Partitions() const { return partitions_; }
    const TFTransform& Transform() const { return *transform_; }
    // The compiled rule base whose response was fitted.
    const std::shared_ptr<const CompiledRuleBase>& Source() const { return source_; }

private:
    FTInferenceFilter(std::shared_ptr<const CompiledRuleBase> source, std::vector<PartitionSettings> partitions,
                      std::unique_ptr<TFTransform> transform);

    std::shared_ptr<const CompiledRuleBase> source_;
    std::vector<PartitionSettings> partitions_;
    std::unique_ptr<TFTransform> transform_;
};

}  // namespace zorv
