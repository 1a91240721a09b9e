#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "fuzzy/sets/CAlphaCut.h"
#include "fuzzy/sets/CFuzzySet.h"

namespace zorv {

// "alfacut": a fuzzy set given by nested cuts at ascending levels, cut i belonging to level i.
// mu(x) = the level of the last cut of the chain cut 0, cut 1, ... that contains x (0 when cut 0 does not).
class CFuzzyACutSet final : public CFuzzySet {
public:
    // levels ascending, one cut per level (the shorter of the two decides levelCount()).
    CFuzzyACutSet(std::vector<double> levels, std::vector<CAlphaCut> cuts, double low, double high);

    std::string_view typeName() const override { return "alfacut"; }
    std::unique_ptr<CFuzzySet> clone() const override { return std::make_unique<CFuzzyACutSet>(*this); }

    using CFuzzySet::membership;
    double membership(const double* point) const override { return membershipOf(point); }
    CAlphaCut alphaCut(double alpha) const override { return cutForLevel(alpha); }

    int levelCount() const { return static_cast<int>(levels_.size()); }
    const std::vector<double>& levels() const { return levels_; }
    const std::vector<CAlphaCut>& cuts() const { return cuts_; }

    double membershipOf(const double* point) const;
    // Cut i - 1 (i counted from 1); the empty cut when i is out of range.
    CAlphaCut cutAt(int i) const;
    // The empty cut below the first level (or without levels, or for NaN); otherwise the cut of the largest
    // level not above alpha (the last cut when alpha >= the last level).
    CAlphaCut cutForLevel(double alpha) const;

private:
    std::vector<double> levels_;
    std::vector<CAlphaCut> cuts_;
};

}  // namespace zorv
