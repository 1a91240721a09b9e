#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zorv {

// One rule of the list that learning builds: one expression text per variable (inputs, then outputs),
// whether it takes part in inference, and how many times it occurred (1 for every rule learning makes;
// equal rules are never merged).
struct LearnedRule {
    std::vector<std::string> texts;
    bool active = true;
    std::int32_t count = 1;

    bool operator==(const LearnedRule&) const = default;
};

}  // namespace zorv
