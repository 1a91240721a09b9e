#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fuzzy/sets/CFuzzyTriangSet.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"

namespace zorv {
namespace {

std::string perceived(const CLinguisticSettings& v, double x, int mode) {
    CLingTerm d;
    v.perceive(x, d, mode);
    return d.abbreviated();
}

TEST(Perception, ValuesOfAPlainContext) {
    const CLinguisticSettings v(0, 10);
    const struct {
        double x;
        int mode;
        const char* expected;
    } cases[] = {
        {0.0, 2, "ze"},        // the low end is zero
        {-5.0, 2, "ze"},       // below the context: clipped to the low end
        {10.0, 0, "bi"},       // all big hedges reach 1: the cap makes them tie, the most specific wins
        {10.0, 1, "ve bi"},
        {10.0, 2, "ex bi"},
        {25.0, 2, "ex bi"},    // clipped to the high end
        {2.0, 0, "sm"},
        {2.0, 1, "ml sm"},
        {2.0, 2, "ro sm"},
        {2.0, 3, "ro sm"},
        {3.3, 2, "vr sm"},
        {4.0, 2, "me"},        // at the centre: big is tried but medium fits
        {5.0, 2, "vr bi"},
        {5.0, 1, "ml me"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(perceived(v, c.x, c.mode), c.expected) << "x " << c.x << " mode " << c.mode;
    }
}

TEST(Perception, SignOnASymmetricContext) {
    const CLinguisticSettings v(-10, 10);
    CLingTerm d;
    v.perceive(-2.0, d, 2);
    EXPECT_EQ(d.abbreviated(), "-ro sm");
    EXPECT_EQ(d.sign, -1);
    v.perceive(10.0, d, 0);
    EXPECT_EQ(d.atom, CLingTerm::kBig);
    EXPECT_EQ(d.sign, 1);
    v.perceive(0.0, d, 2);
    EXPECT_EQ(d.atom, CLingTerm::kZero);
    EXPECT_EQ(d.hedge, CLingTerm::kNoHedge);
}

TEST(Perception, DegenerateValuesGiveADescription) {
    const CLinguisticSettings v(0, 10);
    EXPECT_EQ(perceived(v, std::numeric_limits<double>::quiet_NaN(), 2), "ze");
    EXPECT_EQ(perceived(v, std::numeric_limits<double>::infinity(), 2), "ex bi");
    const CLinguisticSettings point(3, 3);
    EXPECT_EQ(perceived(point, 3, 2), "ze");
}

TEST(Perception, UserTermsCompeteWithTheStandardExpressions) {
    CLinguisticSettings v(0, 10);
    CLingTerm d;
    v.perceiveWithUserTerms(3.3, d, 2);  // very roughly small is not a candidate here
    EXPECT_EQ(d.abbreviated(), "ml me");
    v.perceiveWithUserTerms(5.0, d, 2);  // very roughly big is not a candidate here either
    EXPECT_EQ(d.abbreviated(), "ml me");
    const int mid = v.addUserTerm("mid", "", std::make_unique<CFuzzyTriangSet>(4, 5, 6, 0, 10));
    v.perceive(5.0, d, 2);
    EXPECT_EQ(d.abbreviated(), "vr bi");
    v.perceiveWithUserTerms(5.0, d, 2);  // both capped at 0.9; the user term is more specific
    EXPECT_EQ(d.atom, CLingTerm::kUserTerm);
    EXPECT_EQ(d.userIndex, mid);
    v.perceiveWithUserTerms(0.0, d, 2);
    EXPECT_EQ(d.atom, CLingTerm::kZero);
}

TEST(BestUserTerm, GreatestDegreeFirstOnTies) {
    CLinguisticSettings v(0, 10);
    CLingTerm d;
    d.atom = CLingTerm::kBig;
    EXPECT_FALSE(v.bestUserTerm(3.0, d));
    EXPECT_EQ(d.atom, CLingTerm::kBig);  // untouched
    const int a = v.addUserTerm("A", "", std::make_unique<CFuzzyTriangSet>(0, 2, 4, 0, 10));
    const int b = v.addUserTerm("B", "", std::make_unique<CFuzzyTriangSet>(2, 4, 6, 0, 10));
    ASSERT_TRUE(v.bestUserTerm(3.0, d));
    EXPECT_EQ(d.atom, CLingTerm::kUserTerm);
    EXPECT_EQ(d.userIndex, a);
    ASSERT_TRUE(v.bestUserTerm(3.5, d));
    EXPECT_EQ(d.userIndex, b);
    ASSERT_TRUE(v.bestUserTerm(9.0, d));  // no term reaches the point: the first one
    EXPECT_EQ(d.userIndex, a);
}

TEST(TypicalValue, PointOfTheAlphaCut) {
    const CLinguisticSettings v(0, 1);
    auto d = [](int atom, int hedge) {
        CLingTerm t;
        t.atom = atom;
        t.hedge = hedge;
        return t;
    };
    const double s8 = std::sqrt(0.4);  // alpha 0.8 on a quadratic kernel side
    EXPECT_NEAR(v.typicalValue(d(CLingTerm::kSmall, -1)), 0.7 * (0.05 + s8 * 0.19), 1e-12);
    const double s95 = std::sqrt(0.1);
    const double left = 0.988 - s95 * 0.068;  // extremely big is (0.888, 0.92, 0.988, 1, 1, 1)
    EXPECT_NEAR(v.typicalValue(d(CLingTerm::kBig, CLingTerm::kExtremely)), 1.0 - 0.7 * (1.0 - left), 1e-12);
    EXPECT_NEAR(v.typicalValue(d(CLingTerm::kMedium, -1)), ((0.392 - s8 * 0.044) + (0.408 + s8 * 0.068)) / 2, 1e-12);
    EXPECT_DOUBLE_EQ(v.typicalValue(d(CLingTerm::kMedium, CLingTerm::kVery)), 0.5);  // no such expression
    const CLinguisticSettings symmetric(-1, 1);
    EXPECT_NEAR(symmetric.typicalValue(d(CLingTerm::kZero, -1)), 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(symmetric.typicalValue(d(CLingTerm::kSmall, CLingTerm::kNegation)), 0.0);
    // The value is unsigned: the sign of the descriptor does not move it.
    CLingTerm negative = d(CLingTerm::kSmall, -1);
    negative.sign = -1;
    EXPECT_DOUBLE_EQ(symmetric.typicalValue(negative), symmetric.typicalValue(d(CLingTerm::kSmall, -1)));
}

TEST(CompareExpressions, SortOrder) {
    const CLinguisticSettings v(-10, 10);
    const struct {
        const char* a;
        const char* b;
        int expected;
    } cases[] = {
        {"sm", "bi", 1},        {"bi", "sm", 0},          {"-sm", "sm", 1},     {"+sm", "sm", 0},
        {"-sm", "-bi", 0},      {"-bi", "-sm", 1},        {"sm", "ze", 1},      {"ex sm", "sm", 1},
        {"ml sm", "ro sm", 1},  {"sm", "ra sm", 1},       {"ex bi", "bi", 0},   {"bi", "ex bi", 1},
        {"-ex sm", "-sm", 0},   {"-ex bi", "-bi", 1},     {"-ml me", "-me", 1}, {"ze", "ro ze", 0},
        {"sm", "sm", 0},        {"sm or me", "bi", 0},    {"sm and me", "sm or me", 1},
        {"sm or me", "sm or me", -1}, {"sm or me", "sm or me and bi", -1}, {"sm", "xyz", -1},
        {"very medium", "sm", -1},    {"", "sm", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(v.compareExpressions(c.a, c.b), c.expected) << '"' << c.a << "\" vs \"" << c.b << '"';
    }
}

}  // namespace
}  // namespace zorv
