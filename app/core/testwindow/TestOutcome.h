#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzzy/sets/CFuzzyDiscreteSet.h"

namespace zorv {

// What one evaluation of the test window gives: the crisp output, the output fuzzy set of a linguistic rule
// base (a Takagi-Sugeno inference has none) and the rules that fired. A refused evaluation has no value and
// says why.
struct TestOutcome {
    std::vector<double> inputs;
    std::optional<double> value;
    std::optional<CFuzzyDiscreteSet> conclusion;
    std::vector<std::uint8_t> fired;
    int firedCount = 0;
    std::string refusal;
};

}  // namespace zorv
