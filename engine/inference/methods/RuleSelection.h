#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zorv {

// A rule competing in Perception-based Logical Deduction: its index, degree (> 0) and specificity.
struct SelectionCandidate {
    int rule = 0;
    double degree = 0.0;
    std::uint16_t specificity = 0;
};

// Selects the rules to deduce from, visiting the candidates in order with best = 0, bestRaw = 0, S empty:
//  - d > best and best != t: S = [r], best = bestRaw = d, then best = t when it exceeds t;
//  - else d = best or d >= t: a lower specificity value replaces S by [r] (bestRaw = d), an equal one joins S,
//    a higher one is ignored;
//  - else r is ignored.
// Degrees at or above the threshold t thus count as equal. The rules of S are written to selected (in order);
// returns bestRaw, the degree of the rule that founded S (0 when S is empty).
double SelectRules(std::span<const SelectionCandidate> candidates, double threshold, std::vector<int>& selected);

}  // namespace zorv
