#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "fuzzy/sets/FuzzySets.h"

using namespace zorv;

namespace {

std::vector<double> vals(const CFuzzyDiscreteSet& s) {
    std::vector<double> v;
    for (int i = 0; i < s.count(); ++i) v.push_back(s.valueAt(i));
    return v;
}

CFuzzyDiscreteSet set(std::vector<double> v, double low = 0.0, double high = 1.0) {
    return CFuzzyDiscreteSet(std::move(v), low, high);
}

}  // namespace

TEST(DegreeOperations, Scalars) {
    EXPECT_DOUBLE_EQ(CNegation().apply(0.25), 0.75);
    EXPECT_DOUBLE_EQ(CModifier(2.0).apply(0.5), 0.25);
    EXPECT_DOUBLE_EQ(CModifier(0.5).apply(0.25), 0.5);
    EXPECT_DOUBLE_EQ(CModifier(3.0).apply(0.5), 0.125);
    EXPECT_DOUBLE_EQ(CModifier(0.5).apply(0.0), 0.0);
    EXPECT_DOUBLE_EQ(CModifier(2.0).exponent(), 2.0);
    EXPECT_DOUBLE_EQ(CMinTNorm().apply(0.3, 0.7), 0.3);
    EXPECT_DOUBLE_EQ(CMinTNorm().apply(0.7, 0.3), 0.3);
    EXPECT_DOUBLE_EQ(CMaxTConorm().apply(0.3, 0.7), 0.7);
    EXPECT_DOUBLE_EQ(CProductTNorm().apply(0.5, 0.4), 0.2);
    EXPECT_DOUBLE_EQ(CLukasiewiczTNorm().apply(0.7, 0.5), 0.2);
    EXPECT_DOUBLE_EQ(CLukasiewiczTNorm().apply(0.3, 0.5), 0.0);
    EXPECT_DOUBLE_EQ(CLukasiewiczImplication().apply(0.7, 0.5), 0.8);
    EXPECT_DOUBLE_EQ(CLukasiewiczImplication().apply(0.3, 0.5), 1.0);
    EXPECT_DOUBLE_EQ(CBoundedDifference().apply(0.7, 0.5), 0.7 - 0.5);
    EXPECT_DOUBLE_EQ(CBoundedDifference().apply(0.3, 0.5), 0.0);
}

TEST(DegreeOperations, MinReturnsTheSecondOperandOnTies) {
    // Distinguishable equal values: +0.0 and -0.0 compare equal.
    EXPECT_TRUE(std::signbit(CMinTNorm().apply(0.0, -0.0)));
    EXPECT_FALSE(std::signbit(CMinTNorm().apply(-0.0, 0.0)));
}

TEST(DegreeOperations, ArrayKernelsMatchScalars) {
    std::vector<std::unique_ptr<C2ArgOper>> ops;
    ops.push_back(std::make_unique<CMinTNorm>());
    ops.push_back(std::make_unique<CMaxTConorm>());
    ops.push_back(std::make_unique<CProductTNorm>());
    ops.push_back(std::make_unique<CLukasiewiczTNorm>());
    ops.push_back(std::make_unique<CLukasiewiczImplication>());
    ops.push_back(std::make_unique<CBoundedDifference>());
    const std::vector<double> a = {0.0, 0.2, 0.5, 0.9, 1.0}, b = {1.0, 0.7, 0.5, 0.1, 0.0};
    for (const auto& op : ops) {
        std::vector<double> out(a.size());
        op->applyArrays(a.data(), b.data(), out.data(), a.size());
        for (std::size_t i = 0; i < a.size(); ++i) EXPECT_DOUBLE_EQ(out[i], op->apply(a[i], b[i])) << op->typeName();
        op->applyArrayScalar(a.data(), 0.4, out.data(), a.size());
        for (std::size_t i = 0; i < a.size(); ++i) EXPECT_DOUBLE_EQ(out[i], op->apply(a[i], 0.4)) << op->typeName();
        EXPECT_EQ(op->clone()->typeName(), op->typeName());
    }
}

TEST(UnarySetOperation, KeepsTheGridAndMapsEveryValue) {
    CFuzzyDiscreteSet a = set({0.0, 0.25, 1.0}, 2.0, 4.0);
    CFuzzyDiscreteSet n = CNegation().applyToSet(a);
    EXPECT_EQ(vals(n), (std::vector<double>{1.0, 0.75, 0.0}));
    EXPECT_EQ(n.universe(), a.universe());
    EXPECT_EQ(n.sizes(), a.sizes());
    EXPECT_EQ(vals(a), (std::vector<double>{0.0, 0.25, 1.0}));  // operand untouched
    EXPECT_EQ(vals(CModifier(0.5).applyToSet(a)), (std::vector<double>{0.0, 0.5, 1.0}));
    EXPECT_EQ(vals(CModifier(3.0).applyToSet(a)), (std::vector<double>{0.0, 0.015625, 1.0}));
}

TEST(UnarySetOperation, TemporaryOperandMovesIntoTheResult) {
    CFuzzyDiscreteSet a = set({0.0, 0.5, 1.0});
    const double* storage = a.values().data();
    CFuzzyDiscreteSet n = CNegation().applyToSet(std::move(a));
    EXPECT_EQ(n.values().data(), storage);
    EXPECT_EQ(vals(n), (std::vector<double>{1.0, 0.5, 0.0}));
}

TEST(UnarySetOperation, CompressedOperandIsReadOnItsFullGrid) {
    CCompressedFuzzyDiscreteSet c(set({0.0, 1.0, 0.0, 0.0}));
    CFuzzyDiscreteSet n = CNegation().applyToSet(c);
    EXPECT_TRUE(n.isDense());
    EXPECT_EQ(n.typeName(), "discrete");
    EXPECT_EQ(vals(n), (std::vector<double>{1.0, 0.0, 1.0, 1.0}));
}

TEST(Combine, PointwiseWithSizesFromAAndUniverseFromB) {
    CFuzzyDiscreteSet a = set({0.2, 0.8, 0.5}, 0.0, 1.0);
    CFuzzyDiscreteSet b = set({0.6, 0.4, 0.5}, 0.0, 2.0);
    CFuzzyDiscreteSet r = CMinTNorm().combine(a, b);
    EXPECT_EQ(vals(r), (std::vector<double>{0.2, 0.4, 0.5}));
    EXPECT_EQ(r.universe(), b.universe());
    EXPECT_DOUBLE_EQ(r.membership(1.0), 0.4);
    EXPECT_EQ(vals(a), (std::vector<double>{0.2, 0.8, 0.5}));  // non-temporary operands untouched
    EXPECT_EQ(vals(b), (std::vector<double>{0.6, 0.4, 0.5}));
    EXPECT_EQ(vals(CMaxTConorm().combine(a, b)), (std::vector<double>{0.6, 0.8, 0.5}));
}

TEST(Combine, TemporaryOperandsLendTheirStorage) {
    CFuzzyDiscreteSet b = set({0.6, 0.4, 0.5});
    {
        CFuzzyDiscreteSet a = set({0.2, 0.8, 0.5});
        const double* storage = a.values().data();
        CFuzzyDiscreteSet r = CProductTNorm().combine(std::move(a), b);
        EXPECT_EQ(r.values().data(), storage);
        EXPECT_EQ(a.count(), 0);  // NOLINT(bugprone-use-after-move)
    }
    {
        CFuzzyDiscreteSet a = set({0.2, 0.8, 0.5});
        CFuzzyDiscreteSet t = set({0.6, 0.4, 0.5});
        const double* storage = t.values().data();
        CFuzzyDiscreteSet r = CLukasiewiczImplication().combine(a, std::move(t));
        EXPECT_EQ(r.values().data(), storage);
        EXPECT_NEAR(r.values()[1], 0.6, 1e-15);  // I(0.8, 0.4): operand order kept
        EXPECT_EQ(vals(a), (std::vector<double>{0.2, 0.8, 0.5}));
    }
    {
        // A chain allocates once: every step works in the first temporary's array.
        CFuzzyDiscreteSet x = set({0.1, 0.9, 0.4});
        const double* storage = x.values().data();
        CFuzzyDiscreteSet r =
            CMaxTConorm().combine(CMinTNorm().combine(std::move(x), b), CNegation().applyToSet(b));
        EXPECT_EQ(r.values().data(), storage);
        EXPECT_EQ(vals(r), (std::vector<double>{0.4, 0.6, 0.5}));
    }
}

TEST(Combine, ShorterSecondOperandReadsAsZeros) {
    CFuzzyDiscreteSet a = set({0.2, 0.8, 0.5, 1.0});
    CFuzzyDiscreteSet b = set({0.6, 0.4});
    CFuzzyDiscreteSet r = CMaxTConorm().combine(a, b);
    EXPECT_EQ(r.count(), 4);
    EXPECT_EQ(vals(r), (std::vector<double>{0.6, 0.8, 0.5, 1.0}));
    CFuzzyDiscreteSet l = CMaxTConorm().combine(b, a);
    EXPECT_EQ(vals(l), (std::vector<double>{0.6, 0.8}));
    CFuzzyDiscreteSet m = CMaxTConorm().combine(b, set({0.9, 0.1, 0.3, 0.3}));  // sizes differ, rvalue B
    EXPECT_EQ(vals(m), (std::vector<double>{0.9, 0.4}));
}

TEST(Combine, InPlace) {
    CFuzzyDiscreteSet a = set({0.2, 0.8, 0.5});
    const double* storage = a.values().data();
    CMinTNorm().combineInPlace(a, set({0.6, 0.4, 0.5}));
    EXPECT_EQ(a.values().data(), storage);
    EXPECT_EQ(vals(a), (std::vector<double>{0.2, 0.4, 0.5}));
}

TEST(Combine, CompressedOperands) {
    CCompressedFuzzyDiscreteSet c(set({0.0, 0.7, 0.3, 0.0}));
    CFuzzyDiscreteSet d = set({0.5, 0.5, 0.5, 0.5});
    EXPECT_EQ(vals(CMaxTConorm().combine(c, d)), (std::vector<double>{0.5, 0.7, 0.5, 0.5}));
    EXPECT_EQ(vals(CMaxTConorm().combine(d, c)), (std::vector<double>{0.5, 0.7, 0.5, 0.5}));
    EXPECT_EQ(vals(CMinTNorm().product(c, d)), (std::vector<double>{0.0, 0.5, 0.3, 0.0, 0.0, 0.5, 0.3, 0.0,
                                                                     0.0, 0.5, 0.3, 0.0, 0.0, 0.5, 0.3, 0.0}));
}

TEST(Combine, WithUnaryAppliesItToTheSecondOperand) {
    CFuzzyDiscreteSet a = set({0.2, 0.8, 0.5});
    CFuzzyDiscreteSet b = set({0.6, 0.4, 0.0});
    const std::vector<double> expected = {0.2, 0.6, 0.5};  // min(a, 1 - b)
    EXPECT_EQ(vals(CMinTNorm().combineWith(CNegation(), a, b)), expected);
    EXPECT_EQ(vals(CMinTNorm().combineWith(CNegation(), CFuzzyDiscreteSet(a), b)), expected);
    EXPECT_EQ(vals(CMinTNorm().combineWith(CNegation(), a, CFuzzyDiscreteSet(b))), expected);
    EXPECT_EQ(vals(CMinTNorm().combineWith(CNegation(), CFuzzyDiscreteSet(a), CFuzzyDiscreteSet(b))), expected);
    EXPECT_EQ(vals(b), (std::vector<double>{0.6, 0.4, 0.0}));
    // Longer than one internal chunk.
    CFuzzyDiscreteSet big(1000, 0.0, 1.0), other(1000, 0.0, 1.0);
    big.fill(1.0);
    for (int i = 0; i < 1000; ++i) other.values()[static_cast<std::size_t>(i)] = i / 1000.0;
    CFuzzyDiscreteSet r = CProductTNorm().combineWith(CModifier(2.0), big, other);
    for (int i = 0; i < 1000; ++i) EXPECT_DOUBLE_EQ(r.valueAt(i), (i / 1000.0) * (i / 1000.0));
}

TEST(Product, CartesianWithTheFirstOperandFastest) {
    CFuzzyDiscreteSet a = set({0.2, 0.8, 0.5}, 0.0, 1.0);
    CFuzzyDiscreteSet b = set({1.0, 0.4}, 10.0, 20.0);
    CFuzzyDiscreteSet r = CMinTNorm().product(a, b);
    EXPECT_EQ(r.sizes(), (std::vector<int>{3, 2}));
    EXPECT_EQ(r.count(), 6);
    ASSERT_EQ(r.universe().dimensions(), 2);
    EXPECT_EQ(r.universe().range(0), (CInterval{0.0, 1.0}));
    EXPECT_EQ(r.universe().range(1), (CInterval{10.0, 20.0}));
    EXPECT_EQ(vals(r), (std::vector<double>{0.2, 0.8, 0.5, 0.2, 0.4, 0.4}));
    const std::array<int, 2> idx = {1, 1};
    EXPECT_DOUBLE_EQ(r.valueAt(idx.data()), 0.4);
    const double p[] = {0.5, 11.0};  // nearest grid point (1, 0)
    EXPECT_DOUBLE_EQ(r.membership(p), 0.8);
    // A relation built from a product can be combined with another on the same grid.
    CFuzzyDiscreteSet s = CProductTNorm().product(a, b);
    EXPECT_EQ(CMaxTConorm().combine(r, s).sizes(), (std::vector<int>{3, 2}));
}

TEST(BoundedDifference, PositivePartOfTheDifference) {
    CFuzzyDiscreteSet a = set({0.2, 0.8, 0.5});
    CFuzzyDiscreteSet b = set({0.6, 0.4, 0.5});
    CFuzzyDiscreteSet r = boundedDifference(a, b);
    EXPECT_DOUBLE_EQ(r.valueAt(0), 0.0);
    EXPECT_DOUBLE_EQ(r.valueAt(1), 0.8 - 0.4);
    EXPECT_DOUBLE_EQ(r.valueAt(2), 0.0);
    EXPECT_EQ(vals(boundedDifference(CFuzzyDiscreteSet(a), b)), vals(r));
}

TEST(NamedElement, OwnsAndClonesItsElement) {
    CNamedElement<CFuzzySet> term("sm", "small", std::make_unique<CFuzzyTriangSet>(0.0, 0.0, 0.5, 0.0, 1.0));
    CNamedElement<CFuzzySet> copy = term;
    EXPECT_EQ(copy.shortName, "sm");
    EXPECT_EQ(copy.longName, "small");
    ASSERT_NE(copy.element, nullptr);
    EXPECT_NE(copy.element, term.element);
    EXPECT_EQ(copy.element->typeName(), "triang");
    EXPECT_DOUBLE_EQ(copy.element->membership(0.25), 0.5);

    CNamedElement<C1ArgOper> hedge("ve", "very", std::make_unique<CModifier>(0.5));
    CNamedElement<C1ArgOper> hedgeCopy;
    hedgeCopy = hedge;
    EXPECT_DOUBLE_EQ(hedgeCopy.element->apply(0.25), 0.5);

    CNamedElement<C2ArgOper> conn("and", "and", std::make_unique<CMinTNorm>());
    CNamedElement<C2ArgOper> moved = std::move(conn);
    EXPECT_EQ(moved.element->typeName(), "min");

    CNamedElement<CFuzzySet> empty;
    CNamedElement<CFuzzySet> emptyCopy = empty;
    EXPECT_EQ(emptyCopy.element, nullptr);
}
