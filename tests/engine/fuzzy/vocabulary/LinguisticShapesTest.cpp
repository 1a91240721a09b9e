#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "fuzzy/sets/CFuzzyParamSet.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"

namespace zorv {
namespace {

using Row = std::array<double, 6>;

void expectShape(const std::unique_ptr<CFuzzySet>& set, const Row& expected, double tolerance = 1e-9) {
    ASSERT_NE(set, nullptr);
    const auto* shape = dynamic_cast<const CFuzzyParamSet*>(set.get());
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->typeName(), "quadratic");
    const std::vector<double> p = shape->params();
    ASSERT_EQ(p.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_NEAR(p[i], expected[i], tolerance) << "parameter " << i;
}

TEST(LinguisticShapes, DefaultParamsReproduceTheConstantTable) {
    const CLinguisticSettings v(0, 10);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 6; ++c) {
            EXPECT_NEAR(v.shapeTable()[r][c], CLingShapes::kConstantTable[r][c], 1e-12) << r << "," << c;
        }
    }
}

struct ShapeCase {
    const char* name;
    int kind;
    int hedge;
    Row expected;
};

TEST(LinguisticShapes, HedgedStandardTermsOnAPlainContext) {
    const CLinguisticSettings v(0, 10);
    const ShapeCase cases[] = {
        {"small", 0, -1, {0, 0, 0, 0.05, 0.24, 0.36}},
        {"extremely small", 0, 0, {0, 0, 0, 0.01, 0.048, 0.072}},
        {"rather small", 0, 3, {0, 0, 0, 0.125, 0.3 - 0.175 * 0.12 / 0.31, 0.3}},
        // very roughly small reaches the middle of medium's rising side, its foot is cut at S.
        {"very roughly small", 0, 7, {0, 0, 0, 0.326, 0.4 - 0.074 * 0.12 / 0.31, 0.4}},
        {"rather big", 2, 3, {0.16 / 0.3, 0.85 - (0.85 - 0.16 / 0.3) * 0.68, 0.85, 1, 1, 1}},
        {"very big", 2, 2, {0.664, 0.76, 0.964, 1, 1, 1}},
        // very roughly big reaches the middle of medium's falling side; its foot is raised to S.
        {"very roughly big", 2, 7, {0.4, 0.51 - 0.11 * 0.68, 0.51, 1, 1, 1}},
        {"medium", 1, -1, {0.304, 0.348, 0.392, 0.408, 0.476, 0.544}},
        {"very roughly medium", 1, 7, {0.145, 0.3 - 0.155 * 0.5, 0.3, 0.52, 0.77 - 0.25 * 0.5, 0.77}},
        {"zero", 3, -1, {0, 0, 0, 0, 0.025, 0.05}},
        {"roughly zero", 3, 5, {0, 0, 0, 0, 0.05, 0.1}},
        {"+zero", 7, -1, {0, 0, 0, 0, 0.025, 0.05}},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        expectShape(v.standardTerm(c.kind, c.hedge), c.expected);
    }
}

TEST(LinguisticShapes, SignedTermsOnASymmetricContext) {
    const CLinguisticSettings v(-5, 5);
    ASSERT_TRUE(v.symmetric());
    const ShapeCase cases[] = {
        {"zero", 3, -1, {-0.05, -0.025, 0, 0, 0.025, 0.05}},
        {"roughly zero", 3, 5, {-0.1, -0.05, 0, 0, 0.05, 0.1}},
        {"+zero", 7, -1, {0, 0, 0, 0, 0.025, 0.05}},
        {"-zero", 11, -1, {-0.05, -0.025, 0, 0, 0, 0}},
        {"-small", 8, -1, {-0.36, -0.24, -0.05, 0, 0, 0}},
        {"+small", 4, -1, {0, 0, 0, 0.05, 0.24, 0.36}},
        {"-extremely big", 10, 0, {-1, -1, -1, -0.988, -0.92, -0.888}},
    };
    for (const ShapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        expectShape(v.standardTerm(c.kind, c.hedge), c.expected);
    }
    EXPECT_DOUBLE_EQ(v.standardTerm(0, -1)->low(), -1.0);
    EXPECT_DOUBLE_EQ(v.standardTerm(0, -1)->high(), 1.0);
}

TEST(LinguisticShapes, CombinationsWithoutASetGiveNothing) {
    const CLinguisticSettings v(0, 1);
    EXPECT_EQ(v.standardTerm(1, CLingTerm::kVery), nullptr);       // very medium
    EXPECT_EQ(v.standardTerm(1, CLingTerm::kRather), nullptr);
    EXPECT_EQ(v.standardTerm(3, CLingTerm::kExtremely), nullptr);  // extremely zero
    EXPECT_EQ(v.standardTerm(0, CLingTerm::kNegation), nullptr);
    EXPECT_EQ(v.standardTerm(12, -1), nullptr);
    EXPECT_EQ(v.standardTerm(-1, -1), nullptr);
    EXPECT_EQ(v.standardTerm(0, 9), nullptr);
}

TEST(LinguisticShapes, TwentyFiveStandardExpressionsInOrder) {
    const CLinguisticSettings v(0, 1);
    const auto& terms = v.lingTerms();
    ASSERT_EQ(terms.size(), 25u);
    for (int h = -1; h <= 7; ++h) {
        EXPECT_EQ(terms[static_cast<std::size_t>(h + 1)].atom, CLingTerm::kSmall);
        EXPECT_EQ(terms[static_cast<std::size_t>(h + 1)].hedge, h);
        EXPECT_EQ(terms[static_cast<std::size_t>(h + 10)].atom, CLingTerm::kBig);
        EXPECT_EQ(terms[static_cast<std::size_t>(h + 10)].hedge, h);
    }
    const int mediumHedges[] = {-1, 4, 5, 6, 7};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(terms[static_cast<std::size_t>(18 + i)].atom, CLingTerm::kMedium);
        EXPECT_EQ(terms[static_cast<std::size_t>(18 + i)].hedge, mediumHedges[i]);
    }
    EXPECT_EQ(terms[23].atom, CLingTerm::kZero);
    EXPECT_EQ(terms[23].hedge, -1);
    EXPECT_EQ(terms[24].hedge, CLingTerm::kRoughly);
    // Factors: very small 0.6; more or less medium left 1 + 2.875, right 1 + 3.5.
    EXPECT_DOUBLE_EQ(terms[3].rightFactor, 0.6);
    EXPECT_NEAR(terms[19].leftFactor, 3.875, 1e-12);
    EXPECT_NEAR(terms[19].rightFactor, 4.5, 1e-12);
}

TEST(LinguisticShapes, LingParamsReshapeTheTable) {
    CLinguisticSettings v(0, 1);
    ASSERT_TRUE(v.setLingParams({0.1, 0.3, 0.5, 0.9}));
    const auto& t = v.shapeTable();
    EXPECT_DOUBLE_EQ(t[0][3], 0.1);
    EXPECT_DOUBLE_EQ(t[2][2], 0.9);
    EXPECT_DOUBLE_EQ(t[1][0], 0.3);
    EXPECT_NEAR(t[1][5], 0.5 + 2 * 0.5 * (0.5 - 0.304) / 1.0, 1e-12);
    EXPECT_NEAR(t[1][2], 0.392, 1e-12);
    EXPECT_NEAR(t[1][3], 0.608, 1e-12);
    EXPECT_NEAR(t[1][1], (0.3 + 0.392) / 2, 1e-12);
    // The standard terms follow the new table.
    expectShape(v.standardTerm(0, -1), {0, 0, 0, t[0][3], t[0][4], t[0][5]});
}

// The vocabulary takes strictly ascending lingparams within [0, 1] only, as every reader of them does; the
// shape table itself stays finite even on degenerate ones.
TEST(LinguisticShapes, DegenerateLingParamsAreRefusedAndTheTableStaysFinite) {
    CLinguisticSettings v(0, 1);
    for (const auto& params : std::vector<std::array<double, 4>>{
             {0.05, NAN, 0.4, 0.94}, {0, 0, 0, 0}, {0.0, 0.304, 0.0, 0.0}, {0.3, 0.2, 0.4, 0.9}, {-0.1, 0.2, 0.4, 0.9},
             {0.1, 0.2, 0.4, 1.5}}) {
        EXPECT_FALSE(v.setLingParams(params));
    }
    EXPECT_EQ(v.lingParams(), CLinguisticSettings::kDefaultLingParams);
    const CLingShapes shapes({0.0, 0.304, 0.0, 0.0});  // every ratio divides by zero
    for (const auto& row : shapes.table()) {
        for (double p : row) EXPECT_TRUE(std::isfinite(p));
    }
    for (const CLingTerm& t : shapes.terms()) {
        EXPECT_TRUE(std::isfinite(t.leftFactor) && std::isfinite(t.rightFactor));
    }
}

TEST(LinguisticShapes, AboutNumberIsCutToTheNormalisedUniverse) {
    const CLinguisticSettings plain(0, 10);
    expectShape(plain.aboutNumber(5), {0.3, 0.38, 0.46, 0.54, 0.62, 0.7});
    expectShape(plain.aboutNumber(0), {0, 0, 0, 0.04, 0.12, 0.2});
    expectShape(plain.aboutNumber(10), {0.8, 0.88, 0.96, 1, 1, 1});
    const CLinguisticSettings symmetric(-10, 10);
    expectShape(symmetric.aboutNumber(-10), {-1, -1, -1, -0.96, -0.88, -0.8});
    expectShape(symmetric.aboutNumber(5), {0.3, 0.38, 0.46, 0.54, 0.62, 0.7});
    EXPECT_DOUBLE_EQ(symmetric.aboutNumber(0)->low(), -1.0);
}

TEST(LinguisticShapes, SymmetryFollowsTheContext) {
    CLinguisticSettings v(-3, 3);
    EXPECT_TRUE(v.symmetric());
    v.setContext(-3, 4);
    EXPECT_FALSE(v.symmetric());
    v.setContext(-4, 4);
    EXPECT_TRUE(v.symmetric());
    v.setContext(0, 0);  // a point is not a symmetric context
    EXPECT_FALSE(v.symmetric());
}

}  // namespace
}  // namespace zorv
