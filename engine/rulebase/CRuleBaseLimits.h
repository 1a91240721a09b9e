#pragma once

#include <cstddef>
#include <cstdint>

namespace zorv {

class CRuleBase;
class CValue;

// Bounds that keep reading any file, however damaged, to a bounded amount of memory and time. The writer
// refuses units beyond them, so that whatever it writes can be read again.
struct CRuleBaseLimits {
    // Points of a variable's grid: at least 1, at most this.
    static constexpr int kMaxDiscretization = 100000;
    // Grid of a "triang" or "linc" variable that has neither its own line nor an earlier variable to take it from.
    static constexpr int kDefaultDiscretization = 301;
    // Variable blocks of a file, inputs and outputs together.
    static constexpr int kMaxVariables = 1000;
    // Size of a rule base file.
    static constexpr std::size_t kMaxFileSize = 16u << 20;
    // Work of compiling the distinct cells of a unit (see CompileWork).
    static constexpr std::uint64_t kMaxCompileWork = 200'000'000;

    // Work of compiling one cell: its owner's grid size times (its text length + 16), plus its text length
    // times the user terms that the parser tries at every word.
    static std::uint64_t CompileWork(const CRuleBase& unit, const CValue& cell);
};

}  // namespace zorv
