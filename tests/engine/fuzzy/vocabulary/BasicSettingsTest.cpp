#include <gtest/gtest.h>

#include <vector>

#include "fuzzy/sets/CFuzzyGaussianSet.h"
#include "fuzzy/sets/CFuzzyQuadraticSet.h"
#include "fuzzy/sets/CFuzzyTrapezoidSet.h"
#include "fuzzy/sets/CFuzzyTriangSet.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "fuzzy/vocabulary/CSettingsFactory.h"
#include "fuzzy/vocabulary/CTriangSettings.h"

namespace zorv {
namespace {

std::vector<double> paramsOf(const CBasicSettings& v, int index) {
    return dynamic_cast<const CFuzzyParamSet&>(*v.terms()[static_cast<std::size_t>(index)].element).params();
}

TEST(BasicSettings, WordsOfTheBasicVocabulary) {
    const CBasicSettings v(0, 1);
    EXPECT_EQ(v.typeName(), "basic");
    EXPECT_EQ(v.isLinear(), 0);
    ASSERT_EQ(v.modifiers().size(), 1u);
    EXPECT_EQ(v.modifiers()[0].shortName, "not");
    EXPECT_EQ(v.modifiers()[0].longName, "no");
    EXPECT_DOUBLE_EQ(v.modifiers()[0].element->apply(0.25), 0.75);
    ASSERT_EQ(v.connectives().size(), 2u);
    EXPECT_EQ(v.connectives()[0].shortName, "and");
    EXPECT_DOUBLE_EQ(v.connectives()[0].element->apply(0.3, 0.6), 0.3);
    EXPECT_EQ(v.connectives()[1].shortName, "or");
    EXPECT_DOUBLE_EQ(v.connectives()[1].element->apply(0.3, 0.6), 0.6);
    EXPECT_TRUE(v.terms().empty());
    EXPECT_EQ(v.standardTerm(0, -1), nullptr);
}

TEST(BasicSettings, UserTermsAreAddedFoundAndRemoved) {
    CBasicSettings v(0, 10);
    EXPECT_EQ(v.addUserTerm("a", "alpha", std::make_unique<CFuzzyTriangSet>(0, 1, 2, 0, 10)), 0);
    EXPECT_EQ(v.addUserTerm("b", "", std::make_unique<CFuzzyTriangSet>(1, 2, 3, 0, 10)), 1);
    EXPECT_EQ(v.addUserTerm("c", "", nullptr), -1);
    EXPECT_EQ(v.userTermCount(), 2);
    EXPECT_EQ(v.findTerm("alpha"), 0);
    EXPECT_EQ(v.findTerm("b"), 1);
    EXPECT_EQ(v.findTerm(""), -1);  // an empty long name is no name
    EXPECT_EQ(v.findTerm("c"), -1);
    v.removeTerm(0);
    EXPECT_EQ(v.findTerm("b"), 0);
    v.removeTerm(5);
    v.removeTerm(-1);
    EXPECT_EQ(v.userTermCount(), 1);
    v.clearUserTerms();
    EXPECT_EQ(v.userTermCount(), 0);
}

TEST(BasicSettings, UserTermsFollowTheContext) {
    CLinguisticSettings v(0, 10);
    v.addUserTerm("t", "", std::make_unique<CFuzzyTriangSet>(2, 5, 8, 0, 10));
    v.addUserTerm("g", "", std::make_unique<CFuzzyGaussianSet>(1, 4, 6, 2, 0, 10));
    // A new context that starts where the old one ended must not collapse the terms.
    v.setContext(10, 20);
    EXPECT_EQ(paramsOf(v, 0), (std::vector<double>{12, 15, 18}));
    v.setContext(-10, 30);  // twice as wide
    const std::vector<double> t = paramsOf(v, 0);
    EXPECT_NEAR(t[0], -2, 1e-9);
    EXPECT_NEAR(t[1], 10, 1e-9);
    EXPECT_NEAR(t[2], 22, 1e-9);
    const std::vector<double> g = paramsOf(v, 1);
    EXPECT_NEAR(g[1], 6, 1e-9);   // m1: 4 on <0, 10> is 40 %
    EXPECT_NEAR(g[2], 14, 1e-9);  // m2
    EXPECT_NEAR(g[0], 4, 1e-9);   // widths scale with the context length (x4)
    EXPECT_DOUBLE_EQ(v.terms()[0].element->low(), -10);
    EXPECT_DOUBLE_EQ(v.terms()[0].element->high(), 30);
    v.setContext(-20, -15);  // entirely below the old context
    EXPECT_NEAR(paramsOf(v, 0)[1], -17.5, 1e-9);
}

TEST(BasicSettings, CopyUserTermsKeepsShapesOnTheNewContext) {
    CLinguisticSettings source(0, 10);
    source.addUserTerm("q", "quad", std::make_unique<CFuzzyQuadraticSet>(1, 2, 3, 4, 5, 6, 0, 10));
    source.addUserTerm("z", "", std::make_unique<CFuzzyTrapezoidSet>(1, 2, 3, 4, 0, 10));
    CLinguisticSettings target(-5, 5);
    target.copyUserTerms(source);
    ASSERT_EQ(target.userTermCount(), 2);
    EXPECT_EQ(target.terms()[0].longName, "quad");
    EXPECT_EQ(target.terms()[0].element->typeName(), "quadratic");
    EXPECT_EQ(paramsOf(target, 0), (std::vector<double>{1, 2, 3, 4, 5, 6}));
    EXPECT_DOUBLE_EQ(target.terms()[1].element->low(), -5);
    // A triang vocabulary copies its user terms, not its standard triangles.
    CTriangSettings triang(0, 10);
    triang.addUserTerm("u", "", std::make_unique<CFuzzyTriangSet>(1, 2, 3, 0, 10));
    CLinguisticSettings fromTriang(0, 10);
    fromTriang.copyUserTerms(triang);
    ASSERT_EQ(fromTriang.userTermCount(), 1);
    EXPECT_EQ(fromTriang.terms()[0].shortName, "u");
    // Copying from itself duplicates once.
    source.copyUserTerms(source);
    EXPECT_EQ(source.userTermCount(), 4);
}

TEST(BasicSettings, DescribeReadsOneStandardTerm) {
    CLinguisticSettings v(-1, 1);
    v.addUserTerm("mine", "", std::make_unique<CFuzzyTriangSet>(0, 0.5, 1, -1, 1));
    const struct {
        const char* text;
        int result;
        int atom;
        int hedge;
        int sign;
    } cases[] = {
        {"sm", 0, 0, -1, 0},       {"medium", 0, 1, -1, 0},  {"-bi", 0, 2, -1, -1}, {"+ze", 0, 3, -1, 0},
        {"ve sm", 0, 0, 2, 0},     {"-ex big", 0, 2, 0, -1}, {"- ro ze", 0, 3, 5, -1},
        {"  ml   sm ", 0, 0, 4, 0}, {"mine", -1, -10, -1, 0}, {"not sm", -1, -10, -1, 0},
        {"sm or me", -1, 0, -1, 0}, {"", -1, -10, -1, 0},    {"ve", -1, -10, 2, 0},
    };
    for (const auto& c : cases) {
        CLingTerm d;
        EXPECT_EQ(v.describe(c.text, d), c.result) << c.text;
        if (c.result == 0) {
            EXPECT_EQ(d.atom, c.atom) << c.text;
            EXPECT_EQ(d.hedge, c.hedge) << c.text;
            EXPECT_EQ(d.sign, c.sign) << c.text;
        }
    }
    CLingTerm d;
    EXPECT_EQ(CBasicSettings(0, 1).describe("sm", d), -1);  // the basic vocabulary has no standard terms
}

TEST(SettingsFactory, KnownTypeNames) {
    for (const char* name : {"basic", "triang", "linguistic"}) {
        const auto v = createSettings(name, -2, 2);
        ASSERT_NE(v, nullptr) << name;
        EXPECT_EQ(v->typeName(), name);
        EXPECT_DOUBLE_EQ(v->low(), -2);
        EXPECT_DOUBLE_EQ(v->high(), 2);
    }
    EXPECT_TRUE(createSettings("linguistic", -2, 2)->symmetric());
    EXPECT_EQ(createSettings("linc", 0, 1), nullptr);
    EXPECT_EQ(createSettings("", 0, 1), nullptr);
    EXPECT_EQ(createSettings("Linguistic", 0, 1), nullptr);
}

}  // namespace
}  // namespace zorv
