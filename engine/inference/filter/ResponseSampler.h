#pragma once

#include <cstdint>
#include <vector>

#include "ftransform/command/ProgressReporter.h"

namespace zorv {

class CRuleBase;
class FilterSampleGrid;

// Evaluates a rule base at every point of a sample grid, in grid order, on up to `threads` threads.
//
// The calling thread evaluates the last share of the points on the unit itself; every other thread works
// on its own copy of the unit (UnitReplica). A copy is trusted only when it answers the first point of its
// share exactly as the unit does; otherwise, or when a copy cannot be made or fails, that share is
// evaluated on the unit afterwards. The responses therefore do not depend on the number of threads, and
// an exception can only come from the unit itself. Afterwards the unit's input buffer, fired flags and
// firedCount are those of the last point, as after a serial run.
//
// Progress (points done of all points) is reported on the calling thread only.
class ResponseSampler {
public:
    using Progress = ProgressReporter::Callback;
    // Below this many points per thread another thread does not pay for its copy of the unit.
    static constexpr std::int64_t kMinPointsPerThread = 4096;

    // threads: the most threads to use; 0 for the number of cores.
    explicit ResponseSampler(int threads = 0);

    std::vector<double> sample(CRuleBase& unit, const FilterSampleGrid& grid, const Progress& progress = {}) const;

private:
    int threadsFor(std::int64_t points) const;

    int threads_;
};

}  // namespace zorv
