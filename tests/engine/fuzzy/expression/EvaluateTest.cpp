#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "fuzzy/sets/CFuzzyTriangSet.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"

namespace zorv {
namespace {

constexpr int kGrid = 11;

// Membership of a standard term at the normalised grid point j.
double standard(const CBasicSettings& v, int kind, int hedge, int j, int n = kGrid) {
    const double u = CFuzzyDiscreteSet::gridCoordinate(v.normalizedLow(), v.normalizedHigh(), n, j);
    return v.standardTerm(kind, hedge)->membership(u);
}

class EvaluateTest : public ::testing::Test {
protected:
    EvaluateTest() { plain.addUserTerm("mine", "my term", std::make_unique<CFuzzyTriangSet>(2, 5, 8, 0, 10)); }

    CLinguisticSettings plain{0, 10};
    CLinguisticSettings symmetric{-10, 10};
};

TEST_F(EvaluateTest, StandardTermsAreSampledOnTheNormalisedGrid) {
    const CFuzzyDiscreteSet set = plain.evaluate("sm", kGrid);
    ASSERT_EQ(set.count(), kGrid);
    EXPECT_DOUBLE_EQ(set.low(), 0);
    EXPECT_DOUBLE_EQ(set.high(), 10);
    for (int j = 0; j < kGrid; ++j) EXPECT_DOUBLE_EQ(set.valueAt(j), standard(plain, 0, -1, j)) << j;
    const CFuzzyDiscreteSet hedged = plain.evaluate("ve sm", kGrid);
    for (int j = 0; j < kGrid; ++j) EXPECT_DOUBLE_EQ(hedged.valueAt(j), standard(plain, 0, 2, j)) << j;
    EXPECT_DOUBLE_EQ(plain.evaluate("sm", kGrid).membership(0.5), (set.valueAt(0) + set.valueAt(1)) / 2);
}

TEST_F(EvaluateTest, ConnectivesCombineStrictlyFromLeftToRight) {
    const CFuzzyDiscreteSet value = plain.evaluate("sm or me and bi", kGrid);
    const CFuzzyDiscreteSet grouped = plain.evaluate("sm or (me and bi)", kGrid);
    const CFuzzyDiscreteSet notNegated = plain.evaluate("not sm and ro me", kGrid);
    for (int j = 0; j < kGrid; ++j) {
        const double sm = standard(plain, 0, -1, j), me = standard(plain, 1, -1, j), bi = standard(plain, 2, -1, j);
        EXPECT_DOUBLE_EQ(value.valueAt(j), std::min(std::max(sm, me), bi)) << j;
        EXPECT_DOUBLE_EQ(grouped.valueAt(j), std::max(sm, std::min(me, bi))) << j;
        EXPECT_DOUBLE_EQ(notNegated.valueAt(j), std::min(1 - sm, standard(plain, 1, 5, j))) << j;
    }
    EXPECT_NE(value.values(), grouped.values());
}

TEST_F(EvaluateTest, UserTermsAboutNumbersAndSpecialWords) {
    const CFuzzyDiscreteSet mine = plain.evaluate("my term", kGrid);
    const CFuzzyDiscreteSet about = plain.evaluate("about 5", kGrid);
    const CFuzzyDiscreteSet undef = plain.evaluate("undef", kGrid);
    const CFuzzyDiscreteSet ignor = plain.evaluate(" ( ignor ) ", kGrid);
    const auto aboutSet = plain.aboutNumber(5);
    for (int j = 0; j < kGrid; ++j) {
        EXPECT_NEAR(mine.valueAt(j), j >= 2 && j <= 8 ? 1 - std::abs(j - 5) / 3.0 : 0.0, 1e-12) << j;
        EXPECT_NEAR(about.valueAt(j), aboutSet->membership(j / 10.0), 1e-12) << j;
        EXPECT_DOUBLE_EQ(undef.valueAt(j), 1.0);
        EXPECT_DOUBLE_EQ(ignor.valueAt(j), 1.0);
    }
    const CFuzzyDiscreteSet negatedUser = plain.evaluate("not mine", kGrid);
    EXPECT_DOUBLE_EQ(negatedUser.valueAt(5), 0.0);
    EXPECT_DOUBLE_EQ(negatedUser.valueAt(0), 1.0);
}

TEST_F(EvaluateTest, ErrorsNameTheProblemAndItsPlace) {
    const struct {
        const char* text;
        const char* message;
        int position;
    } cases[] = {
        {"(small", "missing right parenthesis", 6},
        {"  ((small) ", "missing right parenthesis", 11},
        {"small)", "too much right parentheses", 5},
        {"small big", "connective expected", 6},
        {"sm (me)", "connective expected", 3},
        {"", "atomic term expected", 0},
        {"   ", "atomic term expected", 3},
        {"xyz", "atomic term expected", 0},
        {"sm and", "atomic term expected", 6},
        {"sm and and me", "atomic term expected", 7},
        {"()", "atomic term expected", 1},
        {"about", "atomic term expected", 5},
        {"about x", "atomic term expected", 6},
        {"about 3x", "atomic term expected", 6},
        {"about nan", "atomic term expected", 6},
        {"about 1e999", "atomic term expected", 6},
        {"about 12", "fuzzy number out of context", 6},
        {"about 12 and small", "fuzzy number out of context", 6},
        {"sm land bi", "no linguistic connective expected", 3},
        {"sm lor bi", "no linguistic connective expected", 3},
        {"sm shem ham and az bi", "no linguistic connective expected", 3},
        {"-+sm", "bad sign", 1},
        {"+ -sm", "bad sign", 2},
        {"-ve +sm", "bad sign", 4},
        {"ve me", "atomic term expected", 3},  // very medium has no set
        {"ex ze", "atomic term expected", 3},
        {"ve mine", "atomic term expected", 3},  // a user term takes no built-in hedge
        {"-mine", "atomic term expected", 1},
        {"-sm", "negative term is not allowed in this context", 0},
        {"not -ze", "negative term is not allowed in this context", 4},
        {"sm\tor\txyz", "atomic term expected", 6},
    };
    for (const auto& c : cases) {
        try {
            plain.evaluate(c.text, kGrid);
            ADD_FAILURE() << '"' << c.text << "\" was evaluated";
        } catch (const ESyntax& e) {
            EXPECT_EQ(e.message(), c.message) << c.text;
            EXPECT_EQ(e.position(), c.position) << c.text;
            EXPECT_EQ(e.text(), c.text);
        }
    }
}

TEST_F(EvaluateTest, SignedTermsAndNegationOnASymmetricContext) {
    constexpr int n = 21;  // grid step 1 on <-10, 10>; index 10 is 0
    const CFuzzyDiscreteSet spaced = symmetric.evaluate("- very small", n);
    const CFuzzyDiscreteSet tight = symmetric.evaluate("-ve sm", n);
    const CFuzzyDiscreteSet signedAtom = symmetric.evaluate("ve -sm", n);
    for (int j = 0; j < n; ++j) {
        const double expected = standard(symmetric, 8, 2, j, n);
        EXPECT_DOUBLE_EQ(spaced.valueAt(j), expected) << j;
        EXPECT_DOUBLE_EQ(tight.valueAt(j), expected) << j;
        EXPECT_DOUBLE_EQ(signedAtom.valueAt(j), expected) << j;
    }
    // "not -bi" speaks of negative values only, "not bi" of the others.
    const CFuzzyDiscreteSet notNegativeBig = symmetric.evaluate("not -bi", n);
    const CFuzzyDiscreteSet notBig = symmetric.evaluate("no bi", n);
    for (int j = 0; j < n; ++j) {
        EXPECT_DOUBLE_EQ(notNegativeBig.valueAt(j), j >= 10 ? 0.0 : 1.0 - standard(symmetric, 10, -1, j, n)) << j;
        EXPECT_DOUBLE_EQ(notBig.valueAt(j), j < 10 ? 0.0 : 1.0 - standard(symmetric, 2, -1, j, n)) << j;
    }
    // The restriction belongs to the negated operand, not to what was combined before it.
    const CFuzzyDiscreteSet combined = symmetric.evaluate("sm or not -bi", n);
    EXPECT_DOUBLE_EQ(combined.valueAt(10), 1.0);
    EXPECT_DOUBLE_EQ(combined.valueAt(11), standard(symmetric, 0, -1, 11, n));
    // Zero and its halves.
    const CFuzzyDiscreteSet zero = symmetric.evaluate("+ze or -ro ze", 201);
    EXPECT_DOUBLE_EQ(zero.valueAt(100), 1.0);
    EXPECT_GT(zero.valueAt(92), 0.0);   // -0.08 is inside -roughly zero
    EXPECT_DOUBLE_EQ(zero.valueAt(106), 0.0);  // 0.06 is outside +zero
}

TEST_F(EvaluateTest, DegenerateGridsAndDeepTexts) {
    EXPECT_EQ(plain.evaluate("sm", 1).count(), 1);
    EXPECT_DOUBLE_EQ(plain.evaluate("sm", 1).valueAt(0), 1.0);
    EXPECT_EQ(plain.evaluate("sm", 0).count(), 1);
    EXPECT_EQ(plain.evaluate("sm", -5).count(), 1);
    const std::string deep = std::string(100000, '(') + "sm" + std::string(100000, ')');
    EXPECT_EQ(plain.evaluate(deep, kGrid).values(), plain.evaluate("sm", kGrid).values());
    try {
        plain.evaluate(std::string(100000, '('), kGrid);
        ADD_FAILURE();
    } catch (const ESyntax& e) {
        EXPECT_EQ(e.message(), "atomic term expected");
    }
    std::string nested;
    for (int i = 0; i < 20000; ++i) nested += "me and (";
    nested += "sm" + std::string(20000, ')');
    EXPECT_EQ(plain.evaluate(nested, 5).count(), 5);
}

TEST_F(EvaluateTest, LongTextsOnFineGridsEvaluate) {
    std::string text = "sm";
    for (int i = 0; i < 20000; ++i) text += i % 2 ? " or ve bi" : " and (ml me or mine)";
    const CFuzzyDiscreteSet set = plain.evaluate(text, 1001);  // ~40000 operands on 1001 points
    EXPECT_EQ(set.count(), 1001);
}

TEST_F(EvaluateTest, BasicVocabularyKnowsOnlyItsTermsAndNegation) {
    CBasicSettings basic(0, 10);
    basic.addUserTerm("low", "", std::make_unique<CFuzzyTriangSet>(0, 0, 10, 0, 10));
    const CFuzzyDiscreteSet set = basic.evaluate("low and not low", kGrid);
    EXPECT_DOUBLE_EQ(set.valueAt(5), 0.5);
    EXPECT_DOUBLE_EQ(set.valueAt(0), 0.0);
    EXPECT_THROW(basic.evaluate("sm", kGrid), ESyntax);
    EXPECT_THROW(basic.evaluate("ve low", kGrid), ESyntax);
    EXPECT_THROW(basic.evaluate("low land low", kGrid), ESyntax);  // "land" is no connective here
    EXPECT_EQ(basic.evaluate("about 5", kGrid).count(), kGrid);
}

TEST_F(EvaluateTest, AnyBytesEndInASetOrAnError) {
    const char alphabet[] = {'(', ')', '+', '-', ' ', 's', 'm', 'e', 'b', 'i', 'o', 'r', 'a', 'n', 'd', 'v',
                             'z', '.', '1', '5', 'x', '\0', '\t', '\xff', ',', '<', 'u', 't', 'l'};
    unsigned seed = 777;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const unsigned length = next() % 24;
        for (unsigned i = 0; i < length; ++i) text += alphabet[next() % sizeof alphabet];
        for (const CLinguisticSettings* v : {&plain, &symmetric}) {
            try {
                const CFuzzyDiscreteSet set = v->evaluate(text, 7);
                EXPECT_EQ(set.count(), 7);
                for (double x : set.values()) EXPECT_TRUE(x >= 0.0 && x <= 1.0) << text;
            } catch (const ESyntax& e) {
                EXPECT_GE(e.position(), 0);
                EXPECT_LE(e.position(), static_cast<int>(text.size()));
            }
        }
    }
}

}  // namespace
}  // namespace zorv
