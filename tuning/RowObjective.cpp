#include "tuning/RowObjective.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <vector>

#include "inference/compiled/ChunkRunner.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "tuning/TuningRows.h"

namespace zorv {

namespace {

// Fewer rows than this per thread are not worth a thread of their own.
constexpr std::size_t kMinRowsPerThread = 512;

}  // namespace

std::optional<double> RowObjective::Of(const std::shared_ptr<const CompiledRuleBase>& compiled,
                                       const TuningRows& rows) const {
    const auto count = static_cast<std::size_t>(rows.Count());
    const auto width = static_cast<std::size_t>(rows.InputCount());
    const auto& contexts = compiled->contexts();
    std::vector<double> differences(count, 0.0);
    std::atomic<bool> finite{true};
    ChunkRunner runner(compiled, jobs_);
    try {
        runner.run(count, [&](const ChunkRunner::Piece& piece, Workspace& ws) {
            std::vector<double> inputs(width);
            for (std::size_t row = piece.begin; row < piece.end; ++row) {
                const auto given = rows.Inputs(static_cast<int>(row));
                for (std::size_t k = 0; k < width; ++k) {
                    const AntecedentContext& c = contexts[k];
                    inputs[k] = std::clamp(given[k], std::min(c.low, c.high), std::max(c.low, c.high));
                }
                const double value = compiled->evaluate(inputs, ws);
                if (!std::isfinite(value)) finite = false;
                differences[row] = value - rows.Expected(static_cast<int>(row));
            }
        }, kMinRowsPerThread);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (!finite) return std::nullopt;
    return measure_.Of(differences);
}

}  // namespace zorv
