#include "inference/filter/ResponseSampler.h"

#include <algorithm>
#include <atomic>
#include <climits>

#include "inference/compiled/ChunkRunner.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "inference/filter/FilterSampleGrid.h"

namespace zorv {

namespace {

constexpr std::size_t kBlock = 512;  // points between two progress updates and stop checks

}  // namespace

std::optional<std::vector<double>> ResponseSampler::sample(const std::shared_ptr<const CompiledRuleBase>& compiled,
                                                           const FilterSampleGrid& grid, const Progress& progress,
                                                           std::stop_token stop) const {
    const double count = grid.pointCount();
    const auto points = count > static_cast<double>(INT_MAX) ? std::size_t{INT_MAX} : static_cast<std::size_t>(count);
    std::vector<double> responses(points, 0.0);
    if (points == 0) return responses;
    ProgressReporter reporter(progress, static_cast<int>(points));
    std::atomic<std::size_t> done{0};
    std::atomic<bool> stopped{false};
    ChunkRunner runner(compiled, threads_);
    runner.run(
        points,
        [&](const ChunkRunner::Piece& piece, Workspace& ws) {
            std::vector<double> point(static_cast<std::size_t>(grid.dimensions()));
            for (std::size_t from = piece.begin; from < piece.end; from += kBlock) {
                if (stop.stop_requested()) {
                    stopped = true;
                    return;
                }
                const std::size_t to = std::min(piece.end, from + kBlock);
                for (std::size_t i = from; i < to; ++i) {
                    grid.point(static_cast<std::int64_t>(i), point);
                    responses[i] = compiled->evaluate(point, ws);
                }
                const std::size_t total = done += to - from;
                if (piece.callingThread) reporter.advance(static_cast<int>(total));
            }
        },
        kMinPointsPerThread);
    if (stopped) return std::nullopt;
    reporter.advance(static_cast<int>(points));
    return responses;
}

}  // namespace zorv
