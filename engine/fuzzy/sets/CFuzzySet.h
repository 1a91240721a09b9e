#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string_view>

#include "fuzzy/sets/CAlphaCut.h"
#include "fuzzy/sets/CUniverse.h"

namespace zorv {

class CFuzzyDiscreteSet;
class CFuzzyACutSet;

// A fuzzy set over a universe (its own copy). Sets are values: copy to duplicate, move to hand over the
// storage (a moved-from set is empty but usable). Kinds are told apart by typeName(), which is also the word
// stored in files; clone() copies through the class tree.
//
// Classes that override membership(const double*) add `using CFuzzySet::membership;` so that the one-axis
// and batch forms stay visible on them.
class CFuzzySet {
public:
    virtual ~CFuzzySet() = default;

    virtual std::string_view typeName() const { return "noname"; }
    virtual std::unique_ptr<CFuzzySet> clone() const = 0;

    // Membership degree in [0, 1] of a point with one coordinate per axis.
    virtual double membership(const double* point) const = 0;
    // Membership on axis 0 (one-axis sets).
    double membership(double x) const { return membership(&x); }
    // Membership of many axis-0 points with one virtual call; out.size() >= xs.size(); out may be xs itself.
    void membership(std::span<const double> xs, std::span<double> out) const {
        membershipBatch(xs.data(), out.data(), xs.size());
    }

    // Move the low (high) bound of axis 0 to the value and return it. Parametric shapes map their parameters
    // linearly from the old context onto the new one; other sets only move the bound.
    virtual double setLow(double low);
    virtual double setHigh(double high);
    // Bounds of axis 0 (0 for a set without axes).
    double low() const { return universe_.dimensions() > 0 ? universe_.low() : 0.0; }
    double high() const { return universe_.dimensions() > 0 ? universe_.high() : 0.0; }

    const CUniverse& universe() const { return universe_; }
    CUniverse& universe() { return universe_; }
    int dimensions() const { return universe_.dimensions(); }

    // Samples the set on a grid with counts[k] points on axis k (one count per axis; null gives no points),
    // visited with axis 0 fastest. Points of an axis: x_j = low + j (high - low)/(n - 1), the last one high
    // exactly; n = 1 samples low only; n <= 0 gives no points. The result has this set's universe.
    virtual CFuzzyDiscreteSet discretize(const int* counts) const;
    CFuzzyDiscreteSet discretize(int count) const;

    // The cut at level alpha.
    virtual CAlphaCut alphaCut(double alpha) const = 0;
    // The alpha-cut form at the given ascending levels, or at (i + 1)/count, i = 0..count-1, when levels is
    // null. Its universe is axis 0 of this set.
    CFuzzyACutSet toAlphaCuts(int count, const double* levels = nullptr) const;

protected:
    CFuzzySet() = default;
    explicit CFuzzySet(CUniverse universe) : universe_(std::move(universe)) {}
    CFuzzySet(const CFuzzySet&) = default;
    CFuzzySet(CFuzzySet&&) noexcept = default;
    CFuzzySet& operator=(const CFuzzySet&) = default;
    CFuzzySet& operator=(CFuzzySet&&) noexcept = default;

    // One-axis membership of n points; must read xs[i] before writing out[i]. Default: one virtual call each.
    virtual void membershipBatch(const double* xs, double* out, std::size_t n) const;

    CUniverse universe_;
};

}  // namespace zorv

// The result types of discretize() and toAlphaCuts(), so that every includer can use them.
#include "fuzzy/sets/CFuzzyACutSet.h"      // IWYU pragma: export
#include "fuzzy/sets/CFuzzyDiscreteSet.h"  // IWYU pragma: export
