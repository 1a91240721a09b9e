#include <gtest/gtest.h>

#include "fuzzy/expression/ExpressionText.h"
#include "fuzzy/sets/CFuzzyTriangSet.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"

namespace zorv {
namespace {

class ExpressionTextTest : public ::testing::Test {
protected:
    ExpressionTextTest() {
        plain.addUserTerm("mine", "", std::make_unique<CFuzzyTriangSet>(2, 5, 8, 0, 10));
        symmetric.addUserTerm("mine", "", std::make_unique<CFuzzyTriangSet>(-2, 0, 2, -10, 10));
    }

    CLinguisticSettings plain{0, 10};
    CLinguisticSettings symmetric{-10, 10};
};

TEST_F(ExpressionTextTest, DescribeExpression) {
    const struct {
        const char* text;
        int result;
        int atom;
        int hedge;
        int sign;
        int userIndex;
    } cases[] = {
        {"ve sm", 1, 0, 2, 0, -1},
        {"-ex bi", 1, 2, 0, -1, -1},
        {"+ro ze", 1, 3, 5, 1, -1},
        {"(no me)", 1, 1, 8, 0, -1},
        {"mine", 1, CLingTerm::kUserTerm, -1, 0, 0},
        {"sm or me", 1, CLingTerm::kCompound, -1, 0, -1},
        {"about 3", 1, CLingTerm::kFuzzyNumber, CLingTerm::kAbout, 0, -1},
        {"undef", 1, CLingTerm::kUndef, -1, 0, -1},
        {"ignor", 1, CLingTerm::kOther, -1, 0, -1},
        {"ve", 0, CLingTerm::kNoAtom, 2, 0, -1},
        {"ml", 0, CLingTerm::kNoAtom, 4, 0, -1},
        {"ve sm x", 0, CLingTerm::kNoAtom, 2, 0, -1},
        {"xyz", 0, CLingTerm::kNoAtom, -1, 0, -1},
        {"", 0, CLingTerm::kNoAtom, -1, 0, -1},
    };
    for (const auto& c : cases) {
        CLingTerm d;
        d.atom = 99;  // reset by describeExpression
        EXPECT_EQ(describeExpression(symmetric, c.text, d), c.result) << c.text;
        EXPECT_EQ(d.atom, c.atom) << c.text;
        EXPECT_EQ(d.hedge, c.hedge) << c.text;
        EXPECT_EQ(d.sign, c.sign) << c.text;
        EXPECT_EQ(d.userIndex, c.userIndex) << c.text;
    }
}

TEST_F(ExpressionTextTest, ApplyWordReplacesAtomOrHedge) {
    const struct {
        const char* cell;
        const char* word;
        const char* result;
    } plainCases[] = {
        {"ve sm", "bi", "ve bi"},
        {"sm", "ro", "ro sm"},
        {"very small", "ml", "ml sm"},
        {"", "sm", "sm"},
        {"", "ve", "ve"},          // a lone hedge waits for its atom
        {"ve", "sm", "ve sm"},
        {"no sm", "bi", "no bi"},
        {"mine", "ve", "mine"},    // a user term takes no hedge
        {"ve sm", "mine", "mine"},
        {"sm or me", "ve", "sm or me"},
        {"about 3", "ve", "about 3"},
        {"ignor", "sm", "sm"},     // an atom word replaces whatever the cell was
        {"ignor", "ve", "ignor"},
        {"sm", "-bi", "sm"},       // "-bi" is no word of a plain context
        {"sm", "xyz", "sm"},
        {"garbage", "xyz", "garbage"},
        {"ve sm garbage", "bi", "ve bi"},
    };
    for (const auto& c : plainCases) {
        EXPECT_EQ(applyWord(plain, c.cell, c.word), c.result) << c.cell << " + " << c.word;
    }
    const struct {
        const char* cell;
        const char* word;
        const char* result;
    } symmetricCases[] = {
        {"ve sm", "-bi", "-ve bi"},
        {"-ve sm", "bi", "ve bi"},
        {"sm", "+ze", "+ze"},      // on a symmetric context "+ze" is only the positive half of zero
        {"ro ze", "-ze", "-ro ze"},
        {"-ex sm", "ra", "-ra sm"},
    };
    for (const auto& c : symmetricCases) {
        EXPECT_EQ(applyWord(symmetric, c.cell, c.word), c.result) << c.cell << " + " << c.word;
    }
}

TEST_F(ExpressionTextTest, PrintExpression) {
    EXPECT_EQ(printExpression(plain, "vr sm"), "very roughly small");
    EXPECT_EQ(printExpression(plain, " ( mine )or(no bi) "), "mine or no big");
    EXPECT_EQ(printExpression(symmetric, "-ml me and (+ze or about -2.50)"),
              "-more or less medium and (+zero or about -2.5)");
    EXPECT_THROW(printExpression(plain, "very roughly small"), ESyntax);
    try {
        printExpression(plain, "-sm");
        ADD_FAILURE();
    } catch (const ESyntax& e) {
        EXPECT_EQ(e.message(), "negative term is not allowed in this context");
    }
}

TEST_F(ExpressionTextTest, NumberOperationsOfTheNodes) {
    auto about = parseExpression(plain, "about 5");
    EXPECT_TRUE(about->inRange(0, 10));
    EXPECT_FALSE(about->inRange(6, 10));
    about->rescale(0, 100, 0, 10);
    EXPECT_EQ(about->print(), "about 50");
    about->clamp(0, 20);
    EXPECT_EQ(about->print(), "about 20");
    about->rescale(1, 2, 3, 3);  // no old width: the new low
    EXPECT_EQ(about->print(), "about 1");

    auto compound = parseExpression(plain, "about 5 or about 7");
    compound->rescale(0, 100, 0, 10);
    compound->clamp(0, 1);
    EXPECT_TRUE(compound->inRange(100, 200));
    EXPECT_EQ(compound->print(), "about 5 or about 7");
    EXPECT_FALSE(compound->number().has_value());

    auto term = parseExpression(plain, "ve sm");
    term->rescale(0, 100, 0, 10);
    EXPECT_TRUE(term->inRange(5, 6));
    EXPECT_EQ(term->print(), "very small");
}

}  // namespace
}  // namespace zorv
