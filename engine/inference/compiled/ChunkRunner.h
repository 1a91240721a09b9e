#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "inference/compiled/Workspace.h"

namespace zorv {

class CompiledRuleBase;

// Runs a loop over [0, count) on several threads against one compiled rule base: the range is split into
// contiguous pieces, one per thread, and each piece is worked with a Workspace of its own (kept from run to
// run). The calling thread works the last piece itself. Whatever the work writes per index therefore does not
// depend on the number of threads, as long as it depends on the index alone.
class ChunkRunner {
public:
    struct Piece {
        std::size_t begin = 0;
        std::size_t end = 0;
        int index = 0;               // 0 for the first piece
        bool callingThread = false;  // worked by the thread that called run()
    };
    using Work = std::function<void(const Piece& piece, Workspace& ws)>;

    // jobs: the most threads to use; 0 (or less) for the number of cores.
    ChunkRunner(std::shared_ptr<const CompiledRuleBase> compiled, int jobs);

    int jobs() const { return static_cast<int>(workspaces_.size()); }
    const CompiledRuleBase& compiled() const { return *compiled_; }
    const std::shared_ptr<const CompiledRuleBase>& sharedCompiled() const { return compiled_; }

    // Works [0, count) in pieces of at least minPiece indices (fewer pieces than jobs when count is small) and
    // returns when every piece is done. When work throws, the exception of the earliest piece is rethrown once
    // all pieces have ended.
    void run(std::size_t count, const Work& work, std::size_t minPiece = 1);

    // The number of cores (at least 1).
    static int cores();

private:
    std::shared_ptr<const CompiledRuleBase> compiled_;
    std::vector<Workspace> workspaces_;
};

}  // namespace zorv
