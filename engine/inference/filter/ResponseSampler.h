#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stop_token>
#include <vector>

#include "ftransform/command/ProgressReporter.h"

namespace zorv {

class CompiledRuleBase;
class FilterSampleGrid;

// Evaluates a compiled rule base at every point of a sample grid, in grid order, on up to `threads` threads,
// each with a workspace of its own (ChunkRunner). Every response depends on its point alone, so the responses
// do not depend on the number of threads. Progress (points done of all points) is reported on the calling
// thread only; a stop request ends the run early.
class ResponseSampler {
public:
    using Progress = ProgressReporter::Callback;
    // Below this many points per thread another thread does not pay for itself.
    static constexpr std::int64_t kMinPointsPerThread = 4096;

    // threads: the most threads to use; 0 for the number of cores.
    explicit ResponseSampler(int threads = 0) : threads_(threads) {}

    // The responses, or none when stop was requested before every point was evaluated.
    std::optional<std::vector<double>> sample(const std::shared_ptr<const CompiledRuleBase>& compiled,
                                              const FilterSampleGrid& grid, const Progress& progress = {},
                                              std::stop_token stop = {}) const;

private:
    int threads_;
};

}  // namespace zorv
