#include <gtest/gtest.h>

#include <vector>

#include "fuzzy/sets/CFuzzyACutSet.h"
#include "fuzzy/sets/CFuzzyParamSet.h"

using namespace zorv;

TEST(AlphaCut, DefaultIsTheEmptyCut) {
    CAlphaCut e;
    EXPECT_EQ(e.dimensions(), 1);
    ASSERT_EQ(e.boxCount(), 1);
    EXPECT_DOUBLE_EQ(e.boxes[0][0].low, 1.0);
    EXPECT_DOUBLE_EQ(e.boxes[0][0].high, -1.0);
    EXPECT_TRUE(e.isEmpty());
    EXPECT_FALSE(e.contains(0.0));
    EXPECT_EQ(e, CAlphaCut::empty());
}

TEST(AlphaCut, PointInSomeBoxOnEveryAxis) {
    CAlphaCut c({{{0.0, 1.0}, {0.0, 1.0}}, {{2.0, 3.0}, {5.0, 6.0}}});
    EXPECT_EQ(c.dimensions(), 2);
    EXPECT_EQ(c.boxCount(), 2);
    const double in1[] = {0.5, 1.0}, in2[] = {2.0, 5.5}, out1[] = {0.5, 5.5}, out2[] = {1.5, 0.5};
    EXPECT_TRUE(c.contains(in1));
    EXPECT_TRUE(c.contains(in2));
    EXPECT_FALSE(c.contains(out1));
    EXPECT_FALSE(c.contains(out2));
    EXPECT_FALSE(c.isEmpty());
    c.boxes.push_back({{7.0, 8.0}, {7.0, 8.0}});
    EXPECT_EQ(c.boxCount(), 3);
    const double in3[] = {7.5, 8.0};
    EXPECT_TRUE(c.contains(in3));
}

TEST(AlphaCutSet, ToAlphaCutsUsesEvenLevelsByDefault) {
    CFuzzyTriangSet t(0.0, 0.5, 1.0, 0.0, 1.0);
    CFuzzyACutSet a = t.toAlphaCuts(4);
    EXPECT_EQ(a.typeName(), "alfacut");
    EXPECT_EQ(a.levelCount(), 4);
    EXPECT_EQ(a.levels(), (std::vector<double>{0.25, 0.5, 0.75, 1.0}));
    EXPECT_EQ(a.universe(), t.universe());
    EXPECT_EQ(a.cutAt(2), t.alphaCut(0.5));
    EXPECT_TRUE(a.cutAt(0).isEmpty());
    EXPECT_TRUE(a.cutAt(5).isEmpty());
}

TEST(AlphaCutSet, MembershipIsTheLevelOfTheLastCutContainingThePoint) {
    CFuzzyTriangSet t(0.0, 0.5, 1.0, 0.0, 1.0);
    CFuzzyACutSet a = t.toAlphaCuts(4);
    EXPECT_DOUBLE_EQ(a.membership(0.5), 1.0);
    EXPECT_DOUBLE_EQ(a.membership(0.3), 0.5);   // mu 0.6
    EXPECT_DOUBLE_EQ(a.membership(0.125), 0.25);  // exactly on the 0.25 cut
    EXPECT_DOUBLE_EQ(a.membership(0.1), 0.0);   // mu 0.2, below the first level
    EXPECT_DOUBLE_EQ(a.membership(2.0), 0.0);
}

TEST(AlphaCutSet, CutForLevel) {
    CFuzzyTrapezoidSet t(0.0, 0.2, 0.6, 1.0, 0.0, 1.0);
    const double levels[] = {0.2, 0.6, 0.9};
    CFuzzyACutSet a = t.toAlphaCuts(3, levels);
    EXPECT_TRUE(a.cutForLevel(0.1).isEmpty());
    EXPECT_EQ(a.cutForLevel(0.2), t.alphaCut(0.2));
    EXPECT_EQ(a.cutForLevel(0.5), t.alphaCut(0.2));
    EXPECT_EQ(a.cutForLevel(0.6), t.alphaCut(0.6));
    EXPECT_EQ(a.cutForLevel(0.9), t.alphaCut(0.9));
    EXPECT_EQ(a.cutForLevel(1.0), t.alphaCut(0.9));
    EXPECT_EQ(a.alphaCut(0.7), t.alphaCut(0.6));
}

TEST(AlphaCutSet, NoLevelsIsEmptyEverywhere) {
    CFuzzyTriangSet t(0.0, 0.5, 1.0, 0.0, 1.0);
    CFuzzyACutSet a = t.toAlphaCuts(0);
    EXPECT_EQ(a.levelCount(), 0);
    EXPECT_DOUBLE_EQ(a.membership(0.5), 0.0);
    EXPECT_TRUE(a.cutForLevel(0.5).isEmpty());
}

TEST(AlphaCutSet, DiscretizesAndClones) {
    CFuzzyACutSet a({0.5, 1.0}, {CAlphaCut::interval(0.25, 0.75), CAlphaCut::interval(0.5, 0.5)}, 0.0, 1.0);
    CFuzzyDiscreteSet d = a.discretize(5);
    EXPECT_EQ(d.values(), (std::vector<double>{0.0, 0.5, 1.0, 0.5, 0.0}));
    EXPECT_EQ(a.clone()->typeName(), "alfacut");
}
