#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "fuzzy/sets/CFuzzySet.h"

namespace zorv {

// "discrete": a fuzzy set sampled on a grid. Axis k has sizes[k] points spread evenly from low_k to high_k,
// both included; count = the product of the sizes; the linear index of (i_0, ..., i_{d-1}) is
// i_0 + n_0 (i_1 + n_1 (i_2 + ...)) (axis 0 fastest). Every evaluated expression and operation result is one.
//
// Membership: one axis interpolates linearly, t = (x - low)(n - 1)/(high - low), i = floor(t), f = t - i,
// mu = v[i](1 - f) + v[i+1] f; several axes take the value at the nearest grid point of each axis.
// Points outside the universe (and NaN) are clamped to the nearest edge of the grid. Degenerate grids never
// divide by zero nor read outside the array: no points gives 0 everywhere; an axis with one point or zero
// width maps every coordinate to its index 0.
//
// Storage: values() holds the values of the linear indices [storedFirst(), storedFirst() + values().size());
// every other index has value 0. Sets made by the constructors, by discretize() and by the operations are
// dense (storedFirst() 0 and values().size() == count()); a CCompressedFuzzyDiscreteSet, or a copy of one,
// keeps only its non-zero range; setValues(nullptr) leaves no values at all. valueAt() and membership()
// read every form; densify() expands to the dense form. Code that writes values() keeps its size.
class CFuzzyDiscreteSet : public CFuzzySet {
public:
    // No points, over <0, 0>.
    CFuzzyDiscreteSet();
    // n zeros over <low, high> (n < 0 counts as 0).
    CFuzzyDiscreteSet(int n, double low, double high);
    // The values over <low, high>, n = values.size().
    CFuzzyDiscreteSet(std::vector<double> values, double low, double high);
    // size points over <low, high>; values padded with zeros or cut to size.
    CFuzzyDiscreteSet(int size, std::vector<double> values, double low, double high);
    // A grid with one size per axis of the universe (negative sizes count as 0); values padded with zeros or
    // cut to count().
    CFuzzyDiscreteSet(std::vector<int> sizes, CUniverse universe, std::vector<double> values = {});

    CFuzzyDiscreteSet(const CFuzzyDiscreteSet&) = default;
    CFuzzyDiscreteSet(CFuzzyDiscreteSet&& other) noexcept;
    CFuzzyDiscreteSet& operator=(const CFuzzyDiscreteSet&) = default;
    CFuzzyDiscreteSet& operator=(CFuzzyDiscreteSet&& other) noexcept;

    std::string_view typeName() const override { return "discrete"; }
    std::unique_ptr<CFuzzySet> clone() const override { return std::make_unique<CFuzzyDiscreteSet>(*this); }

    using CFuzzySet::membership;
    double membership(const double* point) const override;
    // The one-axis box [0, 1] at every level.
    CAlphaCut alphaCut(double alpha) const override;

    int count() const { return count_; }
    const std::vector<int>& sizes() const { return sizes_; }
    const std::vector<double>& values() const { return values_; }
    std::vector<double>& values() { return values_; }
    int storedFirst() const { return first_; }
    bool isDense() const { return first_ == 0 && values_.size() == static_cast<std::size_t>(count_); }
    // Expands to all count() values (nothing to do when dense).
    void densify();

    // Replaces the values by a dense copy of count() values; null leaves no values (membership 0 everywhere).
    void setValues(const double* v);
    // Takes the array (padded with zeros or cut to count()).
    void setValues(std::vector<double>&& v);
    // Sets every value (the set becomes dense).
    void fill(double value);

    // Value at a linear index; 0 outside [0, count()) and outside the stored range.
    double valueAt(int linearIndex) const {
        const std::size_t k = static_cast<std::size_t>(static_cast<long long>(linearIndex) - first_);
        return k < values_.size() ? values_[k] : 0.0;
    }
    // Value at a multi-index (one index per axis); 0 when an index is out of its axis or index is null.
    double valueAt(const int* index) const { return valueAt(linearIndex(index)); }
    // Linear index of a multi-index; -1 when an index is out of its axis or index is null.
    int linearIndex(const int* index) const;
    // Odometer step over the grid, axis 0 fastest; false when every axis has wrapped back to 0.
    bool nextIndex(int* index) const;

    // First (last) linear index whose value is not 0; count() (resp. -1) when there is none, so that
    // for (i = firstNonZero(); i <= lastNonZero(); ++i) visits nothing for an all-zero set.
    virtual int firstNonZero() const;
    virtual int lastNonZero() const;
    double sum() const;
    double sumOfSquares() const;
    // Largest value (0 without points).
    double height() const;

    // Becomes a copy of source: of its grid and values when it is a discrete set, otherwise of source
    // sampled with this set's sizes (one per axis of source; missing ones count as 1).
    void assign(const CFuzzySet& source);
    // Takes over source's storage (no copy of its values).
    void assign(CFuzzyDiscreteSet&& source);

    // One-axis membership without a virtual call (same result as membership(x)).
    double mu(double x) const {
        if (sizes_.size() != 1 || universe_.dimensions() == 0) return membership(&x);
        const int n = count_;
        if (n <= 1) return n == 1 ? valueAt(0) : 0.0;
        const CInterval& r = universe_.range(0);
        const double width = r.high - r.low;
        if (width == 0.0) return valueAt(0);
        const double t = (x - r.low) * (n - 1) / width;
        if (!(t > 0.0)) return valueAt(0);
        if (t >= n - 1) return valueAt(n - 1);
        const int i = static_cast<int>(t);
        const double f = t - i;
        return valueAt(i) * (1.0 - f) + valueAt(i + 1) * f;
    }

    // Coordinate of grid point j on an axis.
    double gridPoint(int axis, int j) const;
    // Point j of n spread evenly over <low, high>: low + j (high - low)/(n - 1), high exactly for the last
    // point, low when n <= 1.
    static double gridCoordinate(double low, double high, int n, int j) {
        if (n <= 1 || j <= 0) return low;
        if (j >= n - 1) return high;
        return low + j * ((high - low) / (n - 1));
    }

protected:
    void membershipBatch(const double* xs, double* out, std::size_t n) const override;
    void leaveEmpty() noexcept;

    std::vector<int> sizes_;
    std::vector<double> values_;
    int count_ = 0;
    int first_ = 0;  // linear index of values_[0]
};

}  // namespace zorv

// The compact form, kept with its base so that holders of a CFuzzyDiscreteSet can make and read it.
#include "fuzzy/sets/CCompressedFuzzyDiscreteSet.h"  // IWYU pragma: export
