#include "rulebase/analysis/CoverFinder.h"

#include <bit>
#include <unordered_map>

#include "rulebase/analysis/RuleKeys.h"

namespace zorv {

namespace {
constexpr int kRanks = 9;  // width ranks 0 (extremely) .. 8 (very roughly)
constexpr int kWordBits = 64;
}  // namespace

void CoverFinder::forEachCovered(const RuleKeys& keys, const std::vector<int>& antecedentKeys, const Visit& visit) {
    std::unordered_map<int, std::vector<int>> byShape;
    std::vector<int> shapes;
    for (std::size_t i = 0; i < antecedentKeys.size(); ++i) {
        const int shape = keys.shape(antecedentKeys[i]);
        if (shape < 0) {
            continue;
        }
        auto [members, added] = byShape.try_emplace(shape);
        if (added) {
            shapes.push_back(shape);
        }
        members->second.push_back(static_cast<int>(i));
    }
    for (const int shape : shapes) {
        if (const std::vector<int>& members = byShape[shape]; members.size() >= 2) {
            withinShape(keys, antecedentKeys, members, visit);
        }
    }
}

void CoverFinder::withinShape(const RuleKeys& keys, const std::vector<int>& antecedentKeys,
                              const std::vector<int>& members, const Visit& visit) {
    const std::size_t count = members.size();
    const std::size_t words = (count + kWordBits - 1) / kWordBits;
    // atLeast[k * kRanks + r]: the members whose rank at input k is r or more (inputs off the chains are
    // equal within a shape and take no part).
    std::vector<int> inputs;
    const int key0 = antecedentKeys[members.front()];
    for (int k = 0; k < keys.antecedentCount(); ++k) {
        if (keys.chainRank(key0, k) >= 0) {
            inputs.push_back(k);
        }
    }
    if (inputs.empty()) {
        return;  // without chains the antecedents of a shape are all equal
    }
    std::vector<Bits> atLeast(inputs.size() * kRanks, Bits(words, 0));
    for (std::size_t m = 0; m < count; ++m) {
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            for (int r = 0; r <= keys.chainRank(antecedentKeys[members[m]], inputs[i]); ++r) {
                atLeast[i * kRanks + r][m / kWordBits] |= std::uint64_t{1} << (m % kWordBits);
            }
        }
    }
    Bits wider(words);
    std::vector<int> coverers;
    for (std::size_t m = 0; m < count; ++m) {
        wider.assign(words, ~std::uint64_t{0});
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            const Bits& set = atLeast[i * kRanks + keys.chainRank(antecedentKeys[members[m]], inputs[i])];
            for (std::size_t w = 0; w < words; ++w) {
                wider[w] &= set[w];
            }
        }
        wider[m / kWordBits] &= ~(std::uint64_t{1} << (m % kWordBits));  // a member does not cover itself
        coverers.clear();
        for (std::size_t w = 0; w < words; ++w) {
            for (std::uint64_t bits = wider[w]; bits != 0; bits &= bits - 1) {
                coverers.push_back(members[w * kWordBits + static_cast<std::size_t>(std::countr_zero(bits))]);
            }
        }
        if (!coverers.empty()) {
            visit(members[m], coverers);
        }
    }
}

}  // namespace zorv
