#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "fuzzy/sets/CFuzzyParamSetFactory.h"

using namespace zorv;

TEST(TriangSet, RisesPeaksAndFalls) {
    CFuzzyTriangSet t(0.2, 0.5, 0.6, 0.0, 1.0);
    EXPECT_EQ(t.typeName(), "triang");
    EXPECT_EQ(t.paramCount(), 3);
    EXPECT_DOUBLE_EQ(t.membership(0.1), 0.0);
    EXPECT_DOUBLE_EQ(t.membership(0.2), 0.0);
    EXPECT_DOUBLE_EQ(t.membership(0.35), 0.5);
    EXPECT_DOUBLE_EQ(t.membership(0.5), 1.0);
    EXPECT_NEAR(t.membership(0.55), 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(t.membership(0.6), 0.0);
    EXPECT_DOUBLE_EQ(t.membership(0.9), 0.0);
}

TEST(TriangSet, LeftFootAtPeakIsOneThereAndFallsToZeroAtRightFoot) {
    CFuzzyTriangSet t(0.0, 0.0, 1.0, 0.0, 1.0);
    EXPECT_DOUBLE_EQ(t.membership(0.0), 1.0);
    EXPECT_DOUBLE_EQ(t.membership(0.25), 0.75);
    EXPECT_DOUBLE_EQ(t.membership(1.0), 0.0);
    EXPECT_DOUBLE_EQ(t.membership(-0.1), 0.0);
}

TEST(TriangSet, RightFootAtPeakRisesToOneAtPeak) {
    CFuzzyTriangSet t(0.0, 1.0, 1.0, 0.0, 1.0);
    EXPECT_DOUBLE_EQ(t.membership(0.0), 0.0);
    EXPECT_DOUBLE_EQ(t.membership(0.5), 0.5);
    EXPECT_DOUBLE_EQ(t.membership(1.0), 1.0);
    EXPECT_DOUBLE_EQ(t.membership(1.1), 0.0);
}

TEST(TriangSet, AlphaCutIsOneInterval) {
    CFuzzyTriangSet t(0.0, 0.5, 1.0, 0.0, 1.0);
    CAlphaCut c = t.alphaCut(0.5);
    ASSERT_EQ(c.boxCount(), 1);
    EXPECT_DOUBLE_EQ(c.boxes[0][0].low, 0.25);
    EXPECT_DOUBLE_EQ(c.boxes[0][0].high, 0.75);
    CAlphaCut top = t.alphaCut(1.0);
    EXPECT_DOUBLE_EQ(top.boxes[0][0].low, 0.5);
    EXPECT_DOUBLE_EQ(top.boxes[0][0].high, 0.5);
}

TEST(TrapezoidSet, MembershipAndAlphaCut) {
    CFuzzyTrapezoidSet t(0.0, 0.2, 0.6, 1.0, 0.0, 1.0);
    EXPECT_EQ(t.typeName(), "trapezoid");
    EXPECT_DOUBLE_EQ(t.membership(-0.5), 0.0);
    EXPECT_DOUBLE_EQ(t.membership(0.0), 0.0);
    EXPECT_DOUBLE_EQ(t.membership(0.1), 0.5);
    EXPECT_DOUBLE_EQ(t.membership(0.2), 1.0);
    EXPECT_DOUBLE_EQ(t.membership(0.6), 1.0);
    EXPECT_DOUBLE_EQ(t.membership(0.8), 0.5);
    EXPECT_DOUBLE_EQ(t.membership(1.0), 0.0);
    EXPECT_DOUBLE_EQ(t.membership(1.5), 0.0);
    CAlphaCut c = t.alphaCut(0.5);
    EXPECT_DOUBLE_EQ(c.boxes[0][0].low, 0.1);
    EXPECT_DOUBLE_EQ(c.boxes[0][0].high, 0.8);
}

TEST(TrapezoidSet, VerticalFlanksDoNotDivideByZero) {
    CFuzzyTrapezoidSet t(0.2, 0.2, 0.6, 0.6, 0.0, 1.0);
    EXPECT_DOUBLE_EQ(t.membership(0.19), 0.0);
    EXPECT_DOUBLE_EQ(t.membership(0.2), 1.0);
    EXPECT_DOUBLE_EQ(t.membership(0.6), 1.0);
    EXPECT_DOUBLE_EQ(t.membership(0.61), 0.0);
}

TEST(QuadraticSet, PassesThroughItsSixPoints) {
    CFuzzyQuadraticSet q(0.0, 0.1, 0.2, 0.4, 0.6, 0.8, 0.0, 1.0);
    EXPECT_EQ(q.typeName(), "quadratic");
    EXPECT_EQ(q.paramCount(), 6);
    EXPECT_DOUBLE_EQ(q.membership(-0.1), 0.0);
    EXPECT_DOUBLE_EQ(q.membership(0.0), 0.0);
    EXPECT_DOUBLE_EQ(q.membership(0.05), 0.125);
    EXPECT_DOUBLE_EQ(q.membership(0.1), 0.5);
    EXPECT_DOUBLE_EQ(q.membership(0.15), 0.875);
    EXPECT_DOUBLE_EQ(q.membership(0.2), 1.0);
    EXPECT_DOUBLE_EQ(q.membership(0.4), 1.0);
    EXPECT_DOUBLE_EQ(q.membership(0.5), 0.875);
    EXPECT_DOUBLE_EQ(q.membership(0.6), 0.5);
    EXPECT_DOUBLE_EQ(q.membership(0.7), 0.125);
    EXPECT_DOUBLE_EQ(q.membership(0.8), 0.0);
    EXPECT_DOUBLE_EQ(q.membership(0.9), 0.0);
}

TEST(QuadraticSet, EqualRightPointsGiveOneHalfThereAndZeroBeyond) {
    CFuzzyQuadraticSet q(0.0, 0.1, 0.2, 0.4, 0.6, 0.6, 0.0, 1.0);
    EXPECT_DOUBLE_EQ(q.membership(0.6), 0.5);
    EXPECT_DOUBLE_EQ(q.membership(0.6000001), 0.0);
}

TEST(QuadraticSet, AlphaCutEndsHaveTheLevelAsMembership) {
    CFuzzyQuadraticSet q(0.0, 0.1, 0.2, 0.4, 0.6, 0.8, 0.0, 1.0);
    for (double alpha : {0.1, 0.25, 0.5, 0.6, 0.875, 1.0}) {
        CAlphaCut c = q.alphaCut(alpha);
        ASSERT_EQ(c.boxCount(), 1);
        EXPECT_NEAR(q.membership(c.boxes[0][0].low), alpha, 1e-12) << alpha;
        EXPECT_NEAR(q.membership(c.boxes[0][0].high), alpha, 1e-12) << alpha;
    }
    CAlphaCut half = q.alphaCut(0.5);
    EXPECT_DOUBLE_EQ(half.boxes[0][0].low, 0.1);
    EXPECT_DOUBLE_EQ(half.boxes[0][0].high, 0.6);
}

TEST(GaussianSet, WidthsDivideTheSquaredDistance) {
    CFuzzyGaussianSet g(0.5, 0.3, 0.4, 2.0, 0.0, 1.0);
    EXPECT_EQ(g.typeName(), "gaussian");
    EXPECT_DOUBLE_EQ(g.membership(0.35), 1.0);
    EXPECT_DOUBLE_EQ(g.membership(0.3), 1.0);
    EXPECT_DOUBLE_EQ(g.membership(0.4), 1.0);
    EXPECT_DOUBLE_EQ(g.membership(0.1), std::exp(-0.04 / 0.5));
    EXPECT_DOUBLE_EQ(g.membership(1.0), std::exp(-0.36 / 2.0));
}

TEST(GaussianSet, AlphaCutIsTheKernelAtEveryLevel) {
    CFuzzyGaussianSet g(0.5, 0.3, 0.4, 2.0, 0.0, 1.0);
    for (double alpha : {0.0, 0.2, 0.7, 1.0}) EXPECT_EQ(g.alphaCut(alpha), CAlphaCut::interval(0.3, 0.4));
}

TEST(ParamSet, SetLowMapsEveryParameterOntoTheNewContext) {
    CFuzzyTriangSet t(0.0, 0.5, 1.0, 0.0, 1.0);
    EXPECT_DOUBLE_EQ(t.setLow(-1.0), -1.0);
    EXPECT_DOUBLE_EQ(t.low(), -1.0);
    EXPECT_DOUBLE_EQ(t.high(), 1.0);
    EXPECT_DOUBLE_EQ(t.param(0), -1.0);
    EXPECT_DOUBLE_EQ(t.param(1), 0.0);
    EXPECT_DOUBLE_EQ(t.param(2), 1.0);
}

TEST(ParamSet, SetHighMapsEveryParameterOntoTheNewContext) {
    CFuzzyTrapezoidSet t(0.0, 0.25, 0.5, 1.0, 0.0, 1.0);
    EXPECT_DOUBLE_EQ(t.setHigh(4.0), 4.0);
    EXPECT_DOUBLE_EQ(t.high(), 4.0);
    EXPECT_EQ(t.params(), (std::vector<double>{0.0, 1.0, 2.0, 4.0}));
    EXPECT_DOUBLE_EQ(t.membership(1.5), 1.0);
}

TEST(ParamSet, GaussianWidthsScaleByTheRatioAndKernelMapsAsPoints) {
    CFuzzyGaussianSet g(0.1, 0.4, 0.6, 0.2, 0.0, 1.0);
    g.setHigh(2.0);
    EXPECT_DOUBLE_EQ(g.param(0), 0.2);
    EXPECT_DOUBLE_EQ(g.param(1), 0.8);
    EXPECT_DOUBLE_EQ(g.param(2), 1.2);
    EXPECT_DOUBLE_EQ(g.param(3), 0.4);
    g.setLow(1.0);  // <0, 2> -> <1, 2>: ratio 0.5
    EXPECT_DOUBLE_EQ(g.param(0), 0.1);
    EXPECT_DOUBLE_EQ(g.param(1), 1.4);
    EXPECT_DOUBLE_EQ(g.param(2), 1.6);
    EXPECT_DOUBLE_EQ(g.param(3), 0.2);
}

TEST(ParamSet, ZeroWidthContextOnlyMovesTheBound) {
    CFuzzyTriangSet t(0.5, 0.5, 0.5, 0.5, 0.5);
    t.setHigh(1.0);
    EXPECT_DOUBLE_EQ(t.high(), 1.0);
    EXPECT_DOUBLE_EQ(t.param(0), 0.5);
    EXPECT_DOUBLE_EQ(t.param(2), 0.5);
    t.setLow(0.0);
    EXPECT_DOUBLE_EQ(t.param(1), 0.0);  // <0.5, 1> -> <0, 1>: 0 + (0.5 - 0.5) * 2
}

TEST(ParamSet, SetParamsAndGetParams) {
    CFuzzyTriangSet t(0.0, 0.5, 1.0, 0.0, 1.0);
    const double p[] = {0.1, 0.2, 0.3, 99.0};
    t.setParams(p);
    EXPECT_EQ(t.params(), (std::vector<double>{0.1, 0.2, 0.3}));
    double out[4] = {-1, -1, -1, -1};
    t.getParams(out);
    EXPECT_EQ(std::vector<double>(out, out + 4), (std::vector<double>{0.1, 0.2, 0.3, -1}));
    t.setParams(nullptr);
    t.getParams(nullptr);
    EXPECT_DOUBLE_EQ(t.param(1), 0.2);
}

TEST(ParamSet, CloneKeepsTypeAndParameters) {
    CFuzzyQuadraticSet q(0.0, 0.1, 0.2, 0.4, 0.6, 0.8, 0.0, 1.0);
    std::unique_ptr<CFuzzySet> c = q.clone();
    EXPECT_EQ(c->typeName(), "quadratic");
    EXPECT_DOUBLE_EQ(c->membership(0.05), 0.125);
}

TEST(ParamSetFactory, BuildsEachShapeByTypeName) {
    EXPECT_EQ(paramSetTypeNames().size(), 4u);
    for (std::string_view name : paramSetTypeNames()) {
        std::vector<double> p;
        if (name == "gaussian")
            p = {0.1, 0.4, 0.6, 0.1};
        else
            for (int i = 0; i < paramCountOf(name); ++i) p.push_back(0.1 * (i + 1));
        auto s = createParamSet(name, p.data(), 0.0, 1.0);
        ASSERT_NE(s, nullptr) << name;
        EXPECT_EQ(s->typeName(), name);
        EXPECT_EQ(s->params(), p);
        EXPECT_EQ(s->paramCount(), paramCountOf(name));
        EXPECT_DOUBLE_EQ(s->low(), 0.0);
        EXPECT_DOUBLE_EQ(s->high(), 1.0);
    }
    EXPECT_EQ(paramCountOf("triang"), 3);
    EXPECT_EQ(paramCountOf("trapezoid"), 4);
    EXPECT_EQ(paramCountOf("quadratic"), 6);
    EXPECT_EQ(paramCountOf("gaussian"), 4);
}

TEST(ParamSetFactory, RejectsUnknownNamesAndMissingParameters) {
    const double p[] = {0.0, 0.5, 1.0};
    EXPECT_EQ(paramCountOf("discrete"), -1);
    EXPECT_EQ(paramCountOf(""), -1);
    EXPECT_EQ(createParamSet("circle", p, 0.0, 1.0), nullptr);
    EXPECT_EQ(createParamSet("Triang", p, 0.0, 1.0), nullptr);
    EXPECT_EQ(createParamSet("triang", nullptr, 0.0, 1.0), nullptr);
    EXPECT_NE(createParamSet("triang", p, 0.0, 1.0), nullptr);
}

TEST(ParamSet, BatchMembershipMatchesPointwiseAndMayWorkInPlace) {
    CFuzzyTrapezoidSet t(0.0, 0.2, 0.6, 1.0, 0.0, 1.0);
    std::vector<double> xs = {-1.0, 0.05, 0.3, 0.7, 2.0};
    std::vector<double> expected;
    for (double x : xs) expected.push_back(t.membership(x));
    t.membership(xs, xs);
    EXPECT_EQ(xs, expected);
}
