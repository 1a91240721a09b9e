#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "fuzzy/sets/CFuzzyDiscreteSet.h"

namespace zorv {

// A unary operation on membership degrees, applied to a number, an array or every value of a set.
class C1ArgOper {
public:
    virtual ~C1ArgOper() = default;

    virtual std::string_view typeName() const = 0;
    virtual std::unique_ptr<C1ArgOper> clone() const = 0;

    virtual double apply(double a) const = 0;
    // values[i] = apply(values[i]) for every i, with one virtual call for the whole array.
    virtual void applyInPlace(std::span<double> values) const = 0;

    // A new set with the operand's universe and sizes, value i = apply(operand value i).
    CFuzzyDiscreteSet applyToSet(const CFuzzyDiscreteSet& a) const;
    // The same, computed in the operand's array, which moves into the result (no allocation).
    CFuzzyDiscreteSet applyToSet(CFuzzyDiscreteSet&& a) const;

protected:
    C1ArgOper() = default;
    C1ArgOper(const C1ArgOper&) = default;
    C1ArgOper& operator=(const C1ArgOper&) = default;
};

// Implements clone(), apply() and applyInPlace() of Derived from its `double op(double) const`, which the
// array loop inlines.
template <class Derived>
class C1ArgOperT : public C1ArgOper {
public:
    std::unique_ptr<C1ArgOper> clone() const override { return std::make_unique<Derived>(self()); }
    double apply(double a) const override { return self().op(a); }
    void applyInPlace(std::span<double> values) const override {
        const Derived& d = self();
        for (double& v : values) v = d.op(v);
    }

private:
    const Derived& self() const { return static_cast<const Derived&>(*this); }
};

}  // namespace zorv

// The unary operations, so that including the base gives all of them.
#include "fuzzy/operations/CModifier.h"  // IWYU pragma: export
#include "fuzzy/operations/CNegation.h"  // IWYU pragma: export
