#pragma once

#include <cstdint>
#include <optional>

namespace zorv {

// How long a search may go on and how it draws its random numbers.
struct SearchLimits {
    static constexpr int kDefaultEvaluations = 1500;

    // Evaluations of the objective, the start included.
    int evaluations = kDefaultEvaluations;
    // Seconds of wall-clock time; none for no limit. A search that runs into it depends on the machine's speed.
    std::optional<double> seconds;
    std::uint64_t seed = 1;
};

}  // namespace zorv
