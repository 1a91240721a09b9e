#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "fuzzy/operations/C1ArgOper.h"
#include "fuzzy/sets/CFuzzyDiscreteSet.h"

namespace zorv {

// A binary operation on membership degrees, applied to numbers, to arrays, to two sets on one grid
// (pointwise) or to two sets as a Cartesian product.
//
// Set results are new dense CFuzzyDiscreteSets. The overloads taking an rvalue operand compute in that
// operand's array and move it into the result, so a chain such as
//     CMaxTConorm().combine(CMinTNorm().combine(CFuzzyDiscreteSet(a), b), CNegation().applyToSet(c))
// allocates one array, not three. Compact operands are read on their full grid.
class C2ArgOper {
public:
    virtual ~C2ArgOper() = default;

    virtual std::string_view typeName() const = 0;
    virtual std::unique_ptr<C2ArgOper> clone() const = 0;

    virtual double apply(double a, double b) const = 0;
    // out[i] = apply(a[i], b[i]) for i < n; out may be a or b.
    virtual void applyArrays(const double* a, const double* b, double* out, std::size_t n) const = 0;
    // out[i] = apply(a[i], b) for i < n; out may be a.
    virtual void applyArrayScalar(const double* a, double b, double* out, std::size_t n) const = 0;

    // Pointwise on one grid: sizes from A, universe from B (from A when B's has another number of axes),
    // value i = apply(A_i, B_i). Where B has fewer values than A, B's missing values count as 0.
    CFuzzyDiscreteSet combine(const CFuzzyDiscreteSet& a, const CFuzzyDiscreteSet& b) const;
    CFuzzyDiscreteSet combine(CFuzzyDiscreteSet&& a, const CFuzzyDiscreteSet& b) const;
    CFuzzyDiscreteSet combine(const CFuzzyDiscreteSet& a, CFuzzyDiscreteSet&& b) const;
    CFuzzyDiscreteSet combine(CFuzzyDiscreteSet&& a, CFuzzyDiscreteSet&& b) const;
    // a_i = apply(a_i, b_i) in a's own array (a keeps its universe; no allocation when a is dense).
    void combineInPlace(CFuzzyDiscreteSet& a, const CFuzzyDiscreteSet& b) const;

    // Cartesian: universe A's axes then B's, sizes likewise, value apply(A_i, B_j) at linear index
    // i + count(A) j (A's index fastest).
    CFuzzyDiscreteSet product(const CFuzzyDiscreteSet& a, const CFuzzyDiscreteSet& b) const;

    // combine(A, unary.applyToSet(B)) without the intermediate set.
    CFuzzyDiscreteSet combineWith(const C1ArgOper& unary, const CFuzzyDiscreteSet& a,
                                  const CFuzzyDiscreteSet& b) const;
    CFuzzyDiscreteSet combineWith(const C1ArgOper& unary, CFuzzyDiscreteSet&& a, const CFuzzyDiscreteSet& b) const;
    CFuzzyDiscreteSet combineWith(const C1ArgOper& unary, const CFuzzyDiscreteSet& a, CFuzzyDiscreteSet&& b) const;
    CFuzzyDiscreteSet combineWith(const C1ArgOper& unary, CFuzzyDiscreteSet&& a, CFuzzyDiscreteSet&& b) const;

protected:
    C2ArgOper() = default;
    C2ArgOper(const C2ArgOper&) = default;
    C2ArgOper& operator=(const C2ArgOper&) = default;

private:
    // r_i = apply(r_i, unary(b_i)) on r's grid (r dense; unary may be null).
    void pointwise(CFuzzyDiscreteSet& r, const CFuzzyDiscreteSet& b, const C1ArgOper* unary) const;
    // The result computed in A's array r.
    CFuzzyDiscreteSet intoA(CFuzzyDiscreteSet r, const CFuzzyDiscreteSet& b, const C1ArgOper* unary) const;
    // The result computed in B's array r (r has a's sizes): r_i = apply(a_i, unary(r_i)).
    CFuzzyDiscreteSet intoB(const CFuzzyDiscreteSet& a, CFuzzyDiscreteSet r, const C1ArgOper* unary) const;
};

// Implements clone(), apply() and the array loops of Derived from its `static double op(double, double)`,
// which the loops inline.
template <class Derived>
class C2ArgOperT : public C2ArgOper {
public:
    std::unique_ptr<C2ArgOper> clone() const override {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }
    double apply(double a, double b) const override { return Derived::op(a, b); }
    void applyArrays(const double* a, const double* b, double* out, std::size_t n) const override {
        for (std::size_t i = 0; i < n; ++i) out[i] = Derived::op(a[i], b[i]);
    }
    void applyArrayScalar(const double* a, double b, double* out, std::size_t n) const override {
        for (std::size_t i = 0; i < n; ++i) out[i] = Derived::op(a[i], b);
    }
};

}  // namespace zorv

// The binary operations, so that including the base gives all of them.
#include "fuzzy/operations/CBoundedDifference.h"       // IWYU pragma: export
#include "fuzzy/operations/CLukasiewiczImplication.h"  // IWYU pragma: export
#include "fuzzy/operations/CLukasiewiczTNorm.h"        // IWYU pragma: export
#include "fuzzy/operations/CMaxTConorm.h"              // IWYU pragma: export
#include "fuzzy/operations/CMinTNorm.h"                // IWYU pragma: export
#include "fuzzy/operations/CProductTNorm.h"            // IWYU pragma: export
