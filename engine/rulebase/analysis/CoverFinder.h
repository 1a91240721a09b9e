#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace zorv {

class RuleKeys;

// Finds, among distinct antecedents (keys of RuleKeys), the ones that cover each other: b covers a when
// compareAntecedents(a, b) = 1, that is when both have one shape and every chain rank of b is at least
// that of a. Per shape and per input, the antecedents whose rank there reaches r form a bit set; the
// coverers of a are the intersection of those sets at a's ranks. That costs a few machine words per pair
// instead of a comparison of every input, so that thousands of distinct antecedents stay quick.
class CoverFinder {
public:
    // For every antecedent with at least one coverer: its index in antecedentKeys and the indices of its
    // coverers in ascending order.
    using Visit = std::function<void(int covered, const std::vector<int>& coverers)>;

    static void forEachCovered(const RuleKeys& keys, const std::vector<int>& antecedentKeys, const Visit& visit);

private:
    using Bits = std::vector<std::uint64_t>;

    static void withinShape(const RuleKeys& keys, const std::vector<int>& antecedentKeys,
                            const std::vector<int>& members, const Visit& visit);
};

}  // namespace zorv
