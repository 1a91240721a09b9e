#include <gtest/gtest.h>

#include "fuzzy/vocabulary/CLingTerm.h"

namespace zorv {
namespace {

CLingTerm term(int atom, int hedge, int sign = 0) {
    CLingTerm t;
    t.atom = atom;
    t.hedge = hedge;
    t.sign = sign;
    return t;
}

struct RankCase {
    int atom;
    int hedge;
    int rank;
};

TEST(LingTermSpecificity, FollowsTheRankTable) {
    const RankCase cases[] = {
        {CLingTerm::kSmall, CLingTerm::kNoHedge, 19},     {CLingTerm::kBig, CLingTerm::kExtremely, 12},
        {CLingTerm::kSmall, CLingTerm::kSignificantly, 17}, {CLingTerm::kBig, CLingTerm::kVery, 18},
        {CLingTerm::kSmall, CLingTerm::kRather, 20},      {CLingTerm::kBig, CLingTerm::kMoreOrLess, 22},
        {CLingTerm::kSmall, CLingTerm::kRoughly, 24},     {CLingTerm::kBig, CLingTerm::kQuiteRoughly, 26},
        {CLingTerm::kSmall, CLingTerm::kVeryRoughly, 28}, {CLingTerm::kBig, CLingTerm::kNegation, 50},
        {CLingTerm::kMedium, CLingTerm::kNoHedge, 29},    {CLingTerm::kMedium, CLingTerm::kExtremely, -1},
        {CLingTerm::kMedium, CLingTerm::kRather, -1},     {CLingTerm::kMedium, CLingTerm::kMoreOrLess, 32},
        {CLingTerm::kMedium, CLingTerm::kVeryRoughly, 38}, {CLingTerm::kMedium, CLingTerm::kNegation, 45},
        {CLingTerm::kZero, CLingTerm::kNoHedge, 8},       {CLingTerm::kZero, CLingTerm::kRoughly, 12},
        {CLingTerm::kZero, CLingTerm::kVery, -1},         {CLingTerm::kZero, CLingTerm::kNegation, 60},
        {CLingTerm::kFuzzyNumber, CLingTerm::kAbout, 8},  {CLingTerm::kOther, CLingTerm::kNoHedge, 0},
        {CLingTerm::kCompound, CLingTerm::kNoHedge, 30},  {CLingTerm::kUserTerm, CLingTerm::kNoHedge, 10},
        {CLingTerm::kUndef, CLingTerm::kNoHedge, 65},     {CLingTerm::kNoAtom, CLingTerm::kNoHedge, -1},
        {CLingTerm::kSmall, CLingTerm::kAbout, -1},       {CLingTerm::kSmall, 42, -1},
    };
    for (const RankCase& c : cases) {
        EXPECT_EQ(term(c.atom, c.hedge).specificity(), c.rank) << "atom " << c.atom << " hedge " << c.hedge;
    }
}

TEST(LingTermInclusion, NarrowerHedgeIsIncluded) {
    const CLingTerm exSmall = term(CLingTerm::kSmall, CLingTerm::kExtremely);
    const CLingTerm small = term(CLingTerm::kSmall, CLingTerm::kNoHedge);
    const CLingTerm raSmall = term(CLingTerm::kSmall, CLingTerm::kRather);
    EXPECT_EQ(CLingTerm::inclusionOrder(small, small), 0);
    EXPECT_EQ(CLingTerm::inclusionOrder(exSmall, small), 1);
    EXPECT_EQ(CLingTerm::inclusionOrder(small, exSmall), 2);
    EXPECT_EQ(CLingTerm::inclusionOrder(small, raSmall), 1);  // none ranks between very and rather
    EXPECT_EQ(CLingTerm::inclusionOrder(term(CLingTerm::kMedium, CLingTerm::kVeryRoughly),
                                        term(CLingTerm::kMedium, CLingTerm::kMoreOrLess)),
              2);
}

TEST(LingTermInclusion, IncomparableCases) {
    const CLingTerm small = term(CLingTerm::kSmall, CLingTerm::kNoHedge);
    EXPECT_EQ(CLingTerm::inclusionOrder(small, term(CLingTerm::kBig, CLingTerm::kNoHedge)), 100);
    EXPECT_EQ(CLingTerm::inclusionOrder(small, term(CLingTerm::kSmall, CLingTerm::kVery, -1)), 100);
    EXPECT_EQ(CLingTerm::inclusionOrder(term(CLingTerm::kZero, -1), term(CLingTerm::kZero, 5)), 100);
    EXPECT_EQ(CLingTerm::inclusionOrder(small, term(CLingTerm::kSmall, CLingTerm::kNegation)), 100);
    // Equal zero or user terms are equal even though they have no inclusion order.
    EXPECT_EQ(CLingTerm::inclusionOrder(term(CLingTerm::kZero, -1), term(CLingTerm::kZero, -1)), 0);
}

TEST(LingTermAbbreviation, WritesHedgeAtomAndNegativeSign) {
    EXPECT_EQ(term(CLingTerm::kSmall, CLingTerm::kExtremely).abbreviated(), "ex sm");
    EXPECT_EQ(term(CLingTerm::kBig, CLingTerm::kVeryRoughly).abbreviated(), "vr bi");
    EXPECT_EQ(term(CLingTerm::kSmall, CLingTerm::kExtremely, -1).abbreviated(), "-ex sm");
    EXPECT_EQ(term(CLingTerm::kMedium, CLingTerm::kNoHedge).abbreviated(), "me");
    EXPECT_EQ(term(CLingTerm::kZero, CLingTerm::kNegation).abbreviated(), "no ze");
    EXPECT_EQ(term(CLingTerm::kBig, CLingTerm::kNoHedge, 1).abbreviated(), "bi");
    EXPECT_EQ(term(CLingTerm::kUndef, CLingTerm::kNoHedge).abbreviated(), "undef");
    EXPECT_EQ(term(CLingTerm::kCompound, CLingTerm::kNoHedge).abbreviated(), "N/A");
    EXPECT_EQ(term(CLingTerm::kUserTerm, CLingTerm::kNoHedge).abbreviated(), "user_ex");
}

TEST(LingTermEquality, IgnoresFactors) {
    CLingTerm a = term(CLingTerm::kBig, CLingTerm::kVery);
    CLingTerm b = a;
    b.leftFactor = 0.6;
    EXPECT_EQ(a, b);
    b.sign = -1;
    EXPECT_FALSE(a == b);
}

}  // namespace
}  // namespace zorv
