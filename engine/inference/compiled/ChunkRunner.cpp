#include "inference/compiled/ChunkRunner.h"

#include <algorithm>
#include <exception>
#include <thread>

#include "inference/compiled/CompiledRuleBase.h"

namespace zorv {

int ChunkRunner::cores() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

ChunkRunner::ChunkRunner(std::shared_ptr<const CompiledRuleBase> compiled, int jobs)
    : compiled_(std::move(compiled)) {
    const int threads = jobs > 0 ? jobs : cores();
    workspaces_.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads; ++t) workspaces_.emplace_back(*compiled_);
}

void ChunkRunner::run(std::size_t count, const Work& work, std::size_t minPiece) {
    if (count == 0) return;
    const std::size_t most = std::max<std::size_t>(1, count / std::max<std::size_t>(1, minPiece));
    const auto pieces = static_cast<int>(std::min(most, workspaces_.size()));
    const auto pieceAt = [&](int i) {
        const auto n = static_cast<std::size_t>(pieces);
        const auto at = static_cast<std::size_t>(i);
        return Piece{count * at / n, count * (at + 1) / n, i, i == pieces - 1};
    };
    std::vector<std::exception_ptr> failures(static_cast<std::size_t>(pieces));
    const auto guarded = [&](int i) {
        try {
            work(pieceAt(i), workspaces_[static_cast<std::size_t>(i)]);
        } catch (...) {
            failures[static_cast<std::size_t>(i)] = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> helpers;
        helpers.reserve(static_cast<std::size_t>(pieces - 1));
        for (int i = 0; i + 1 < pieces; ++i) helpers.emplace_back(guarded, i);
        guarded(pieces - 1);
    }  // joins the helpers
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
}

}  // namespace zorv
