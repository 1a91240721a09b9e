#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "fuzzy/sets/CFuzzyParamSet.h"
#include "fuzzy/sets/CFuzzyParamSetFactory.h"

using namespace zorv;

TEST(Discretize, TriangleOnThreePointsGivesZeroOneZero) {
    CFuzzyTriangSet t(0.0, 0.5, 1.0, 0.0, 1.0);
    CFuzzyDiscreteSet d = t.discretize(3);
    EXPECT_EQ(d.typeName(), "discrete");
    EXPECT_EQ(d.sizes(), std::vector<int>{3});
    EXPECT_EQ(d.count(), 3);
    EXPECT_EQ(d.values(), (std::vector<double>{0.0, 1.0, 0.0}));
    EXPECT_DOUBLE_EQ(d.membership(0.25), 0.5);
    EXPECT_EQ(d.universe(), t.universe());
}

TEST(Discretize, LastGridPointIsHighExactly) {
    // 0.1 + 9 * (0.8 / 9) rounds away from 0.9; a set that is 1 only at 0.9 shows whether high was sampled.
    CFuzzyTriangSet t(0.1, 0.9, 0.9, 0.1, 0.9);
    for (int n : {2, 3, 7, 10, 301, 1000}) {
        CFuzzyDiscreteSet d = t.discretize(n);
        EXPECT_EQ(d.values()[static_cast<std::size_t>(n - 1)], 1.0) << n;
        EXPECT_EQ(d.gridPoint(0, n - 1), 0.9) << n;
    }
}

TEST(Discretize, DegenerateCountsAndContexts) {
    CFuzzyTriangSet t(0.0, 0.0, 1.0, 0.0, 1.0);
    CFuzzyDiscreteSet one = t.discretize(1);
    ASSERT_EQ(one.count(), 1);
    EXPECT_DOUBLE_EQ(one.values()[0], 1.0);  // sampled at low
    EXPECT_DOUBLE_EQ(one.membership(0.7), 1.0);

    CFuzzyDiscreteSet none = t.discretize(0);
    EXPECT_EQ(none.count(), 0);
    EXPECT_DOUBLE_EQ(none.membership(0.5), 0.0);
    EXPECT_EQ(t.discretize(-5).count(), 0);

    CFuzzyTriangSet flat(0.5, 0.5, 0.5, 0.5, 0.5);
    CFuzzyDiscreteSet z = flat.discretize(5);
    ASSERT_EQ(z.count(), 5);
    for (double v : z.values()) EXPECT_DOUBLE_EQ(v, 1.0);
    EXPECT_DOUBLE_EQ(z.membership(0.5), 1.0);
    EXPECT_DOUBLE_EQ(z.membership(3.0), 1.0);
}

TEST(DiscreteSet, MembershipInterpolatesLinearly) {
    CFuzzyDiscreteSet d(std::vector<double>{0.0, 0.4, 1.0, 0.2}, 0.0, 3.0);
    EXPECT_DOUBLE_EQ(d.membership(0.0), 0.0);
    EXPECT_DOUBLE_EQ(d.membership(0.5), 0.2);
    EXPECT_DOUBLE_EQ(d.membership(1.0), 0.4);
    EXPECT_DOUBLE_EQ(d.membership(1.25), 0.55);
    EXPECT_DOUBLE_EQ(d.membership(2.5), 0.6);
    EXPECT_DOUBLE_EQ(d.membership(3.0), 0.2);
    EXPECT_DOUBLE_EQ(d.mu(1.25), 0.55);
}

TEST(DiscreteSet, PointsOutsideTheUniverseClampToTheEdges) {
    CFuzzyDiscreteSet d(std::vector<double>{0.3, 0.4, 0.9}, -1.0, 1.0);
    EXPECT_DOUBLE_EQ(d.membership(-5.0), 0.3);
    EXPECT_DOUBLE_EQ(d.membership(5.0), 0.9);
    EXPECT_DOUBLE_EQ(d.membership(std::numeric_limits<double>::infinity()), 0.9);
    EXPECT_DOUBLE_EQ(d.membership(-std::numeric_limits<double>::infinity()), 0.3);
    EXPECT_DOUBLE_EQ(d.membership(std::numeric_limits<double>::quiet_NaN()), 0.3);
}

TEST(DiscreteSet, DegenerateGridsAreDefined) {
    CFuzzyDiscreteSet empty;
    EXPECT_EQ(empty.count(), 0);
    EXPECT_DOUBLE_EQ(empty.membership(0.0), 0.0);
    EXPECT_EQ(empty.firstNonZero(), 0);
    EXPECT_EQ(empty.lastNonZero(), -1);
    EXPECT_DOUBLE_EQ(empty.sum(), 0.0);

    CFuzzyDiscreteSet single(std::vector<double>{0.7}, 0.0, 1.0);
    EXPECT_DOUBLE_EQ(single.membership(0.3), 0.7);

    CFuzzyDiscreteSet zeroWidth(std::vector<double>{0.6, 0.1, 0.2}, 2.0, 2.0);
    EXPECT_DOUBLE_EQ(zeroWidth.membership(2.0), 0.6);
    EXPECT_DOUBLE_EQ(zeroWidth.membership(7.0), 0.6);

    CFuzzyDiscreteSet twoAxesEmpty({0, 3}, CUniverse({{0, 1}, {0, 1}}));
    const double p[] = {0.5, 0.5};
    EXPECT_DOUBLE_EQ(twoAxesEmpty.membership(p), 0.0);
}

TEST(DiscreteSet, SeveralAxesTakeTheNearestGridPoint) {
    // 3 x 2 grid over <0, 1> x <0, 10>; value = linear index / 10.
    CFuzzyDiscreteSet d({3, 2}, CUniverse({{0.0, 1.0}, {0.0, 10.0}}), {0.0, 0.1, 0.2, 0.3, 0.4, 0.5});
    const std::array<int, 2> i21 = {2, 1};
    EXPECT_EQ(d.linearIndex(i21.data()), 5);
    EXPECT_DOUBLE_EQ(d.valueAt(i21.data()), 0.5);
    const double p1[] = {0.3, 2.0};  // nearest (1, 0)
    EXPECT_DOUBLE_EQ(d.membership(p1), 0.1);
    const double p2[] = {0.8, 6.0};  // nearest (2, 1)
    EXPECT_DOUBLE_EQ(d.membership(p2), 0.5);
    const double p3[] = {-4.0, 99.0};  // clamped to (0, 1)
    EXPECT_DOUBLE_EQ(d.membership(p3), 0.3);
}

TEST(DiscreteSet, NextIndexRunsAxisZeroFastestAndWraps) {
    CFuzzyDiscreteSet d({2, 3}, CUniverse({{0.0, 1.0}, {0.0, 1.0}}));
    std::array<int, 2> idx = {0, 0};
    std::vector<int> linear = {d.linearIndex(idx.data())};
    while (d.nextIndex(idx.data())) linear.push_back(d.linearIndex(idx.data()));
    EXPECT_EQ(linear, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(idx, (std::array<int, 2>{0, 0}));
}

TEST(DiscreteSet, OutOfRangeIndicesReadZero) {
    CFuzzyDiscreteSet d(std::vector<double>{0.5, 0.5}, 0.0, 1.0);
    EXPECT_DOUBLE_EQ(d.valueAt(-1), 0.0);
    EXPECT_DOUBLE_EQ(d.valueAt(2), 0.0);
    const std::array<int, 1> bad = {7};
    EXPECT_DOUBLE_EQ(d.valueAt(bad.data()), 0.0);
    EXPECT_DOUBLE_EQ(d.valueAt(static_cast<const int*>(nullptr)), 0.0);
    EXPECT_FALSE(d.nextIndex(nullptr));
}

TEST(DiscreteSet, NonZeroRangeAndSums) {
    CFuzzyDiscreteSet d(std::vector<double>{0.0, 0.0, 0.5, 0.0, 1.0, 0.0}, 0.0, 1.0);
    EXPECT_EQ(d.firstNonZero(), 2);
    EXPECT_EQ(d.lastNonZero(), 4);
    EXPECT_DOUBLE_EQ(d.sum(), 1.5);
    EXPECT_DOUBLE_EQ(d.sumOfSquares(), 1.25);
    EXPECT_DOUBLE_EQ(d.height(), 1.0);
    CFuzzyDiscreteSet zeros(4, 0.0, 1.0);
    EXPECT_EQ(zeros.firstNonZero(), 4);
    EXPECT_EQ(zeros.lastNonZero(), -1);
}

TEST(DiscreteSet, SetValues) {
    CFuzzyDiscreteSet d(4, 0.0, 1.0);
    const double v[] = {0.1, 0.2, 0.3, 0.4};
    d.setValues(v);
    EXPECT_EQ(d.values(), (std::vector<double>{0.1, 0.2, 0.3, 0.4}));
    d.setValues(nullptr);  // no values: reads give 0
    EXPECT_TRUE(d.values().empty());
    EXPECT_EQ(d.count(), 4);
    EXPECT_DOUBLE_EQ(d.valueAt(2), 0.0);
    EXPECT_DOUBLE_EQ(d.membership(0.5), 0.0);
    EXPECT_EQ(d.firstNonZero(), 4);
    d.densify();
    EXPECT_EQ(d.values(), (std::vector<double>{0.0, 0.0, 0.0, 0.0}));
    d.fill(0.25);
    EXPECT_DOUBLE_EQ(d.sum(), 1.0);
    d.setValues(std::vector<double>{1, 1, 1, 1, 1, 1});
    EXPECT_EQ(d.values().size(), 4u);
}

TEST(DiscreteSet, MoveHandsOverTheArrayWithoutCopying) {
    CFuzzyDiscreteSet a(std::vector<double>{0.1, 0.2, 0.3}, 0.0, 1.0);
    const double* storage = a.values().data();
    CFuzzyDiscreteSet b(std::move(a));
    EXPECT_EQ(b.values().data(), storage);
    EXPECT_EQ(a.count(), 0);  // NOLINT(bugprone-use-after-move): a moved-from set is empty and usable
    EXPECT_DOUBLE_EQ(a.membership(0.5), 0.0);
    CFuzzyDiscreteSet c;
    c = std::move(b);
    EXPECT_EQ(c.values().data(), storage);
    EXPECT_DOUBLE_EQ(c.membership(0.5), 0.2);
}

TEST(DiscreteSet, CopyIsDeep) {
    CFuzzyDiscreteSet a(std::vector<double>{0.1, 0.2}, 0.0, 1.0);
    CFuzzyDiscreteSet b(a);
    b.values()[0] = 0.9;
    EXPECT_DOUBLE_EQ(a.values()[0], 0.1);
    std::unique_ptr<CFuzzySet> c = a.clone();
    EXPECT_EQ(c->typeName(), "discrete");
    EXPECT_DOUBLE_EQ(c->membership(1.0), 0.2);
}

TEST(DiscreteSet, MovingTheBoundsKeepsValuesAndStretchesTheGrid) {
    CFuzzyDiscreteSet d(std::vector<double>{0.0, 1.0, 0.0}, 0.0, 1.0);
    d.setHigh(2.0);
    EXPECT_DOUBLE_EQ(d.membership(1.0), 1.0);
    EXPECT_DOUBLE_EQ(d.membership(0.5), 0.5);
    d.setLow(1.0);
    EXPECT_DOUBLE_EQ(d.membership(1.5), 1.0);
    d.universe() = CUniverse(0.0, 4.0);
    EXPECT_DOUBLE_EQ(d.membership(2.0), 1.0);
}

TEST(DiscreteSet, AlphaCutIsTheUnitIntervalAtEveryLevel) {
    CFuzzyDiscreteSet d(std::vector<double>{0.0, 1.0, 0.0}, 5.0, 7.0);
    EXPECT_EQ(d.alphaCut(0.3), CAlphaCut::interval(0.0, 1.0));
    EXPECT_EQ(d.alphaCut(1.0), CAlphaCut::interval(0.0, 1.0));
}

TEST(Discretize, SeveralAxesVisitAxisZeroFastest) {
    // A discrete set over two axes resampled on a finer grid keeps its values at shared grid points.
    CFuzzyDiscreteSet d({2, 2}, CUniverse({{0.0, 1.0}, {0.0, 1.0}}), {0.1, 0.2, 0.3, 0.4});
    const int counts[] = {3, 2};
    CFuzzyDiscreteSet r = d.discretize(counts);
    EXPECT_EQ(d.discretize(nullptr).count(), 0);
    EXPECT_EQ(r.sizes(), (std::vector<int>{3, 2}));
    EXPECT_DOUBLE_EQ(r.values()[0], 0.1);
    EXPECT_DOUBLE_EQ(r.values()[2], 0.2);
    EXPECT_DOUBLE_EQ(r.values()[3], 0.3);
    EXPECT_DOUBLE_EQ(r.values()[5], 0.4);
}

TEST(CompressedSet, KeepsOnlyTheNonZeroRange) {
    CFuzzyDiscreteSet d(std::vector<double>{0.0, 0.0, 0.5, 0.0, 1.0, 0.0, 0.0}, 0.0, 6.0);
    CCompressedFuzzyDiscreteSet c(d);
    EXPECT_EQ(c.typeName(), "ocmpset");
    EXPECT_EQ(c.first(), 2);
    EXPECT_EQ(c.last(), 4);
    EXPECT_EQ(c.firstNonZero(), 2);
    EXPECT_EQ(c.lastNonZero(), 4);
    EXPECT_EQ(c.values().size(), 3u);
    EXPECT_FALSE(c.isDense());
    EXPECT_EQ(c.count(), 7);
    EXPECT_EQ(c.sizes(), d.sizes());
    EXPECT_EQ(c.universe(), d.universe());
    for (int i = 0; i < 7; ++i) EXPECT_DOUBLE_EQ(c.valueAt(i), d.valueAt(i)) << i;
    for (double x = -1.0; x <= 7.0; x += 0.125) EXPECT_DOUBLE_EQ(c.membership(x), d.membership(x)) << x;
    EXPECT_DOUBLE_EQ(c.sum(), d.sum());
    CFuzzyDiscreteSet e = c.expanded();
    EXPECT_TRUE(e.isDense());
    EXPECT_EQ(e.values(), d.values());
}

TEST(CompressedSet, AllZeroCompactsToNothingWithMembershipZero) {
    CFuzzyDiscreteSet d(5, 0.0, 1.0);
    CCompressedFuzzyDiscreteSet c(d);
    EXPECT_TRUE(c.values().empty());
    EXPECT_EQ(c.first(), 5);
    EXPECT_EQ(c.last(), -1);
    EXPECT_DOUBLE_EQ(c.membership(0.5), 0.0);
    EXPECT_DOUBLE_EQ(c.valueAt(0), 0.0);
}

TEST(CompressedSet, FromATemporary) {
    CFuzzyDiscreteSet d(std::vector<double>{0.0, 0.5, 1.0, 0.0}, 0.0, 3.0);
    CCompressedFuzzyDiscreteSet c(std::move(d));
    EXPECT_EQ(d.count(), 0);  // NOLINT(bugprone-use-after-move): the source is left empty
    EXPECT_EQ(c.values(), (std::vector<double>{0.5, 1.0}));
    EXPECT_EQ(c.storedFirst(), 1);
    EXPECT_EQ(c.first(), 1);
    EXPECT_EQ(c.last(), 2);
    EXPECT_DOUBLE_EQ(c.membership(1.5), 0.75);
    // A compressed set kept through a pointer to its base class.
    std::unique_ptr<CFuzzyDiscreteSet> held = std::make_unique<CCompressedFuzzyDiscreteSet>(c);
    EXPECT_EQ(held->typeName(), "ocmpset");
    EXPECT_DOUBLE_EQ(held->valueAt(2), 1.0);
    EXPECT_DOUBLE_EQ(held->valueAt(3), 0.0);
}

TEST(DiscreteSet, SizedConstructorPadsOrCutsTheValues) {
    EXPECT_EQ(CFuzzyDiscreteSet(4, {0.5, 1.0}, 0.0, 1.0).values(), (std::vector<double>{0.5, 1.0, 0.0, 0.0}));
    EXPECT_EQ(CFuzzyDiscreteSet(2, {0.5, 1.0, 0.7}, 0.0, 1.0).values(), (std::vector<double>{0.5, 1.0}));
    EXPECT_EQ(CFuzzyDiscreteSet(-3, {0.5}, 0.0, 1.0).count(), 0);
    CFuzzyDiscreteSet grid({2, 2}, CUniverse({{0.0, 1.0}, {0.0, 1.0}}));
    EXPECT_EQ(grid.values(), (std::vector<double>(4, 0.0)));
}

TEST(DiscreteSet, AssignCopiesADiscreteSourceAndSamplesAnyOther) {
    CFuzzyDiscreteSet source(std::vector<double>{0.0, 1.0, 0.5}, 0.0, 2.0);
    CFuzzyDiscreteSet target(5, 0.0, 1.0);
    target.assign(static_cast<const CFuzzySet&>(source));
    EXPECT_EQ(target.values(), source.values());
    EXPECT_EQ(target.universe(), source.universe());
    EXPECT_EQ(source.count(), 3);  // a non-temporary source stays

    CFuzzyDiscreteSet compact(5, 0.0, 1.0);
    compact.assign(CCompressedFuzzyDiscreteSet(source));
    EXPECT_EQ(compact.count(), 3);
    EXPECT_DOUBLE_EQ(compact.membership(1.5), 0.75);

    CFuzzyTriangSet t(0.0, 0.5, 1.0, 0.0, 1.0);
    target.assign(t);  // sampled with target's own size (3)
    EXPECT_EQ(target.values(), (std::vector<double>{0.0, 1.0, 0.0}));
    EXPECT_EQ(target.universe(), t.universe());

    CFuzzyDiscreteSet temporary(std::vector<double>{0.25, 0.75}, 0.0, 1.0);
    const double* storage = temporary.values().data();
    target.assign(std::move(temporary));
    EXPECT_EQ(target.values().data(), storage);
    EXPECT_EQ(temporary.count(), 0);  // NOLINT(bugprone-use-after-move)

    target.assign(target);  // self-assignment keeps the set
    EXPECT_EQ(target.values(), (std::vector<double>{0.25, 0.75}));
}

TEST(Discretize, EveryShapeSamplesWhatItsMembershipSays) {
    const double tri[] = {0.1, 0.4, 0.8}, trap[] = {0.0, 0.2, 0.6, 1.0}, quad[] = {0.0, 0.1, 0.2, 0.4, 0.6, 0.8},
                 gauss[] = {0.05, 0.4, 0.6, 0.02};
    const std::pair<const char*, const double*> shapes[] = {
        {"triang", tri}, {"trapezoid", trap}, {"quadratic", quad}, {"gaussian", gauss}};
    for (const auto& [name, params] : shapes) {
        auto s = createParamSet(name, params, -0.5, 1.5);
        ASSERT_NE(s, nullptr);
        CFuzzyDiscreteSet d = s->discretize(101);
        ASSERT_EQ(d.count(), 101);
        for (int j = 0; j < 101; ++j)
            EXPECT_DOUBLE_EQ(d.valueAt(j), s->membership(d.gridPoint(0, j))) << name << " " << j;
    }
}
