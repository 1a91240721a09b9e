#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "fuzzy/sets/CFuzzyTriangSet.h"
#include "fuzzy/vocabulary/CTriangSettings.h"

namespace zorv {
namespace {

struct Triangle {
    std::string shortName;
    std::string longName;
    std::vector<double> params;
};

std::vector<Triangle> standardTerms(const CTriangSettings& v) {
    std::vector<Triangle> out;
    for (int i = 0; i < v.standardTermCount(); ++i) {
        const auto& t = v.terms()[static_cast<std::size_t>(i)];
        out.push_back({t.shortName, t.longName, dynamic_cast<const CFuzzyParamSet&>(*t.element).params()});
    }
    return out;
}

TEST(TriangSettings, ThreeTermsFromZero) {
    const CTriangSettings v(0, 10);
    EXPECT_EQ(v.typeName(), "triang");
    const auto terms = standardTerms(v);
    ASSERT_EQ(terms.size(), 3u);
    EXPECT_EQ(terms[0].shortName, "sm");
    EXPECT_EQ(terms[0].longName, "small");
    EXPECT_EQ(terms[0].params, (std::vector<double>{0, 0, 5}));
    EXPECT_EQ(terms[1].shortName, "me");
    EXPECT_EQ(terms[1].params, (std::vector<double>{2.5, 5, 7.5}));
    EXPECT_EQ(terms[2].longName, "big");
    EXPECT_EQ(terms[2].params, (std::vector<double>{5, 10, 10}));
    EXPECT_FALSE(v.allowsNegativeTerms());
}

TEST(TriangSettings, SevenSignedTermsAroundZero) {
    const CTriangSettings v(-3, 6);
    const auto terms = standardTerms(v);
    ASSERT_EQ(terms.size(), 7u);
    const char* names[] = {"-bi", "-me", "-sm", "ze", "+sm", "+me", "+bi"};
    const char* longNames[] = {"-big", "-medium", "-small", "zero", "+small", "+medium", "+big"};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(terms[i].shortName, names[i]);
        EXPECT_EQ(terms[i].longName, longNames[i]);
    }
    EXPECT_EQ(terms[3].params, (std::vector<double>{-1, 0, 2}));
    EXPECT_EQ(terms[0].params, (std::vector<double>{-3, -3, -2}));
    EXPECT_EQ(terms[6].params, (std::vector<double>{4, 6, 6}));
    EXPECT_TRUE(v.allowsNegativeTerms());
    EXPECT_FALSE(v.symmetric());
}

TEST(TriangSettings, NoStandardTermsElsewhere) {
    EXPECT_EQ(CTriangSettings(1, 5).standardTermCount(), 0);
    EXPECT_EQ(CTriangSettings(-5, 0).standardTermCount(), 0);
    EXPECT_EQ(CTriangSettings(-5, -1).standardTermCount(), 0);
}

TEST(TriangSettings, ContextChangeRebuildsStandardTermsAndKeepsUserTerms) {
    CTriangSettings v(0, 10);
    v.addUserTerm("mine", "", std::make_unique<CFuzzyTriangSet>(2, 4, 6, 0, 10));
    v.setContext(-3, 6);
    ASSERT_EQ(v.standardTermCount(), 7);
    ASSERT_EQ(v.userTermCount(), 1);
    const auto& user = v.terms()[7];
    EXPECT_EQ(user.shortName, "mine");
    const std::vector<double> p = dynamic_cast<const CFuzzyParamSet&>(*user.element).params();
    EXPECT_NEAR(p[0], -3 + 0.2 * 9, 1e-12);
    EXPECT_NEAR(p[1], -3 + 0.4 * 9, 1e-12);
    EXPECT_NEAR(p[2], -3 + 0.6 * 9, 1e-12);
    EXPECT_DOUBLE_EQ(user.element->low(), -3);
    EXPECT_DOUBLE_EQ(user.element->high(), 6);
}

TEST(TriangSettings, HedgesArePowers) {
    const CTriangSettings v(0, 10);
    const CFuzzyDiscreteSet small = v.evaluate("sm", 11);
    const CFuzzyDiscreteSet verySmall = v.evaluate("very sm", 11);
    const CFuzzyDiscreteSet roughlySmall = v.evaluate("ro small", 11);
    for (int j = 0; j < 11; ++j) {
        EXPECT_NEAR(verySmall.valueAt(j), std::sqrt(small.valueAt(j)), 1e-12);
        EXPECT_NEAR(roughlySmall.valueAt(j), small.valueAt(j) * small.valueAt(j), 1e-12);
    }
    EXPECT_NEAR(small.valueAt(1), 0.8, 1e-12);
    EXPECT_EQ(v.standardTerm(0, -1), nullptr);
}

TEST(TriangSettings, SignedWordsEvaluateToTheirTriangles) {
    const CTriangSettings v(-3, 6);
    const CFuzzyDiscreteSet zero = v.evaluate("ze", 10);  // grid step 1
    EXPECT_NEAR(zero.valueAt(3), 1.0, 1e-12);
    EXPECT_NEAR(zero.valueAt(2), 0.0, 1e-12);
    EXPECT_NEAR(zero.valueAt(4), 0.5, 1e-12);
    const CFuzzyDiscreteSet negative = v.evaluate("- very small", 19);  // "-small" (-2, -1, 0), hedge very
    EXPECT_NEAR(negative.valueAt(4), 1.0, 1e-12);                     // x = -1
    EXPECT_NEAR(negative.valueAt(3), std::sqrt(0.5), 1e-12);          // x = -1.5
    EXPECT_NEAR(negative.valueAt(6), 0.0, 1e-12);                     // x = 0
    EXPECT_FALSE(v.checkSyntax("-sm").has_value());
    EXPECT_FALSE(v.checkSyntax("+very small").has_value());
    EXPECT_TRUE(v.checkSyntax("very +small").has_value());
    CLingTerm d;
    EXPECT_EQ(v.describe("-me", d), 0);
    EXPECT_EQ(d.atom, CLingTerm::kMedium);
    EXPECT_EQ(d.sign, -1);
}

}  // namespace
}  // namespace zorv
