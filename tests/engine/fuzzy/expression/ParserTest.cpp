#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fuzzy/expression/CFEParser.h"
#include "fuzzy/expression/EBinaryExpr.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/sets/CFuzzyTriangSet.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"

namespace zorv {
namespace {

// Outcome of one parse: state, error position (when refused) and printed tree (when accepted).
struct Outcome {
    int state;
    int position;
    std::string printed;
};

Outcome parse(const CSettings* vocabulary, const std::string& text) {
    CFEParser parser(vocabulary);
    try {
        const auto root = parser.parse(text);
        return {parser.state(), -1, root->print()};
    } catch (const ESyntax& e) {
        EXPECT_EQ(e.position(), parser.errorPosition());
        EXPECT_EQ(e.text(), text);
        EXPECT_EQ(e.message(), parser.state() == CFEParser::kSignError ? "negative term is not allowed in this context"
                                                                        : "parse error");
        return {parser.state(), e.position(), {}};
    }
}

class ParserTest : public ::testing::Test {
protected:
    ParserTest() { plain.addUserTerm("mine", "my term", std::make_unique<CFuzzyTriangSet>(2, 5, 8, 0, 10)); }

    CLinguisticSettings plain{0, 10};
    CLinguisticSettings symmetric{-10, 10};
    CLinCSettings linear{0, 10};
};

TEST_F(ParserTest, AcceptedTextsAndTheirCanonicalPrint) {
    const struct {
        const char* text;
        const char* printed;
    } cases[] = {
        {"sm", "small"},
        {"small", "small"},
        {"  ve   sm  ", "very small"},
        {"very small", "very small"},
        {"ex bi", "extremely big"},
        {"si sm", "significantly small"},
        {"ra big", "rather big"},
        {"ml me", "more or less medium"},
        {"more or less medium", "more or less medium"},
        {"qr bi", "quite roughly big"},
        {"vr small", "very roughly small"},
        {"ro me", "roughly medium"},
        {"no me", "no medium"},
        {"not sm", "no small"},
        {"ro ze", "roughly zero"},
        {"not zero", "no zero"},
        {"+sm", "+small"},
        {"+ ve sm", "+very small"},
        {"+no ze", "+no zero"},
        {"about 3.5", "about 3.5"},
        {"about 12", "about 12"},  // out of context: refused by validation, not by the parser
        {"about 1e-5", "about 1e-05"},
        {"about 1234567", "about 1.23457e+06"},
        {"about -0", "about -0"},
        {"undef", "undef"},
        {"ignor", "ignor"},
        {"mine", "mine"},
        {"my term", "mine"},
        {"sm or me and bi", "small or medium and big"},
        {"(sm or me) and bi", "(small or medium) and big"},
        {"sm or (me and bi)", "small or (medium and big)"},
        {"((sm or me))", "(small or medium)"},
        {"(sm)", "small"},
        {"sm\tand\tnot bi", "small and no big"},
        {"(mine)or(sm)", "mine or small"},
    };
    for (const auto& c : cases) {
        const Outcome o = parse(&plain, c.text);
        EXPECT_EQ(o.state, CFEParser::kAccepted) << c.text;
        EXPECT_EQ(o.printed, c.printed) << c.text;
    }
}

TEST_F(ParserTest, RefusedTextsAndPositions) {
    const struct {
        const char* text;
        int state;
        int position;
    } cases[] = {
        {"", 0, 0},
        {"   ", 0, 3},
        {"very medium", 0, 5},
        {"extremely zero", 0, 10},
        {"very roughly small", 0, 5},  // "very" is read first, then "roughly" cannot follow it
        {"ra ze", 0, 3},
        {"ex me", 0, 3},
        {"sm me", 0, 3},
        {"sm or", 0, 5},
        {"(sm", 0, 3},
        {"sm)", 0, 2},
        {"()", 0, 1},
        {"ve", 0, 2},
        {"ve ve sm", 0, 3},
        {"about", 0, 5},
        {"about x", 0, 6},
        {"about 3x", 0, 6},
        {"about nan", 0, 6},
        {"about inf", 0, 6},
        {"about 1e999", 0, 6},
        {"3.5", 0, 0},  // a number needs a variable without fuzzy vocabulary
        {"  3.5", 0, 2},
        {"small1", 0, 0},
        {"sma", 0, 0},
        {"SM", 0, 0},
        {"sm,", 0, 2},
        {"undef or sm", 0, 6},
        {"(undef)", 0, 1},
        {"minesweeper", 0, 0},
        {"ve mine", 0, 3},
        {"-sm", 2, 0},  // a sign error is found as soon as the sign is read
        {"sm or -bi", 2, 6},
        {"-(sm)", 2, 0},
        {"sm -bi", 0, 3},
        {"- mine", 2, 0},
        {"x", 0, 0},
    };
    for (const auto& c : cases) {
        const Outcome o = parse(&plain, c.text);
        EXPECT_EQ(o.state, c.state) << '"' << c.text << '"';
        EXPECT_EQ(o.position, c.position) << '"' << c.text << '"';
    }
}

TEST_F(ParserTest, EmbeddedNulAndHighBytesAreOrdinaryBadCharacters) {
    EXPECT_EQ(parse(&plain, std::string("sm\0or me", 8)).position, 2);
    EXPECT_EQ(parse(&plain, std::string("\0", 1)).position, 0);
    EXPECT_EQ(parse(&plain, "sm or \xe9me").position, 6);
    EXPECT_EQ(parse(&plain, "\xffsm").position, 0);
}

TEST_F(ParserTest, SignsOnASymmetricContext) {
    EXPECT_EQ(parse(&symmetric, "-sm").printed, "-small");
    EXPECT_EQ(parse(&symmetric, "- ex bi").printed, "-extremely big");
    EXPECT_EQ(parse(&symmetric, "-ro ze or +no me").printed, "-roughly zero or +no medium");
    EXPECT_EQ(parse(&symmetric, "about -10").printed, "about -10");
    EXPECT_EQ(parse(&symmetric, "--sm").position, 1);
    EXPECT_EQ(parse(&symmetric, "-about 3").position, 1);
    EXPECT_EQ(parse(&symmetric, "- 5").position, 2);
}

TEST_F(ParserTest, LinearAndMissingVocabularies) {
    EXPECT_EQ(parse(&linear, "3.5").printed, "3.5");
    EXPECT_EQ(parse(&linear, "-2e3").printed, "-2000");
    EXPECT_EQ(parse(&linear, "+.5").printed, "0.5");
    EXPECT_EQ(parse(&linear, "sm").position, 2);        // refused when the whole text is read
    EXPECT_EQ(parse(&linear, "(sm) x").position, 5);
    EXPECT_EQ(parse(&linear, "  undef x").position, 2); // refused as soon as the word is read
    EXPECT_EQ(parse(&linear, "about 3").position, 7);
    EXPECT_EQ(parse(&linear, "3 x").position, 2);
    EXPECT_EQ(parse(&linear, "- sm").state, CFEParser::kSignError);
    EXPECT_EQ(parse(&linear, "mine").position, 0);  // a linear vocabulary has no user terms
    EXPECT_EQ(parse(nullptr, "-sm").printed, "-small");
    EXPECT_EQ(parse(nullptr, "3.50").printed, "3.5");
    EXPECT_EQ(parse(nullptr, "sm or undef").position, 6);
    EXPECT_EQ(parse(nullptr, "mine").position, 0);
}

TEST_F(ParserTest, AndBindsTighterAndBothAssociateToTheLeft) {
    CFEParser parser(&plain);
    auto root = parser.parse("sm or me and bi");
    ASSERT_EQ(root->kind(), ELingExpr::kBinary);
    const auto& orNode = static_cast<const EBinaryExpr&>(*root);
    EXPECT_EQ(orNode.connective(), EBinaryExpr::kOr);
    EXPECT_EQ(orNode.right().kind(), ELingExpr::kBinary);
    root = parser.parse("sm and me or bi");
    EXPECT_EQ(static_cast<const EBinaryExpr&>(*root).left().kind(), ELingExpr::kBinary);
    root = parser.parse("sm or me or bi");
    const auto& chain = static_cast<const EBinaryExpr&>(*root);
    EXPECT_EQ(chain.left().kind(), ELingExpr::kBinary);
    EXPECT_EQ(chain.right().kind(), ELingExpr::kFuzzyTerm);
}

TEST_F(ParserTest, UserTermsAreTriedBeforeKeywords) {
    CLinguisticSettings v(0, 10);
    v.addUserTerm("sm", "", std::make_unique<CFuzzyTriangSet>(0, 1, 2, 0, 10));
    CFEParser parser(&v);
    const auto root = parser.parse("sm or small");
    const auto& binary = static_cast<const EBinaryExpr&>(*root);
    EXPECT_EQ(binary.left().kind(), ELingExpr::kUserTerm);
    EXPECT_EQ(binary.right().kind(), ELingExpr::kFuzzyTerm);
}

TEST_F(ParserTest, LastHedgeSurvivesAFailure) {
    CFEParser parser(&plain);
    EXPECT_THROW(parser.parse("very"), ESyntax);
    EXPECT_EQ(parser.lastHedge(), CLingTerm::kVery);
    EXPECT_THROW(parser.parse("ml ze"), ESyntax);
    EXPECT_EQ(parser.lastHedge(), CLingTerm::kMoreOrLess);
    EXPECT_THROW(parser.parse("sm ve"), ESyntax);
    EXPECT_EQ(parser.lastHedge(), CLingTerm::kNoHedge);
}

std::string nested(int depth, const std::string& inner) {
    const auto n = static_cast<std::size_t>(depth);
    return std::string(n, '(') + inner + std::string(n, ')');
}

TEST_F(ParserTest, TheStackBoundRefusesDeepTextsCleanly) {
    // State 0, one entry per "(", the formula and the first ")": 9997 levels fill the 10000 entries.
    EXPECT_EQ(parse(&plain, nested(9997, "sm")).printed, "small");
    EXPECT_EQ(parse(&plain, nested(9998, "sm")).position, 10000);  // the first ")"
    EXPECT_EQ(parse(&plain, nested(9999, "sm")).position, 9999);   // the atom
    EXPECT_EQ(parse(&plain, nested(100000, "sm")).position, 9999);
    EXPECT_EQ(parse(&plain, std::string(100000, '(')).position, 9999);
    // While a signed term is read, the sign takes one more entry.
    EXPECT_EQ(parse(&symmetric, nested(9997, "-sm")).printed, "-small");
    EXPECT_EQ(parse(&symmetric, nested(9998, "-sm")).position, 9999);
    // Right-nested parentheses cost three entries per level: formula, "or", "(".
    auto rightNested = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i) text += "sm or (";
        return text + "sm" + std::string(static_cast<std::size_t>(depth), ')');
    };
    EXPECT_EQ(parse(&plain, rightNested(3332)).state, CFEParser::kAccepted);
    EXPECT_EQ(parse(&plain, rightNested(3333)).state, CFEParser::kRejected);
}

TEST_F(ParserTest, LongChainsParsePrintAndDestroyWithoutRecursion) {
    std::string text = "sm";
    std::string expected = "small";
    for (int i = 0; i < 200000; ++i) {
        text += i % 3 == 0 ? " and me" : " or bi";
        expected += i % 3 == 0 ? " and medium" : " or big";
    }
    CFEParser parser(&plain);
    auto root = parser.parse(text);
    EXPECT_EQ(root->print(), expected);
    CLingTerm d;
    root->describe(d);
    EXPECT_EQ(d.atom, CLingTerm::kCompound);
    root.reset();
    // Parenthesised right-deep trees as well.
    std::string deep;
    for (int i = 0; i < 3000; ++i) deep += "me and (";
    deep += "sm" + std::string(3000, ')');
    EXPECT_EQ(parse(&plain, deep).state, CFEParser::kAccepted);
}

TEST_F(ParserTest, AnyBytesEndInATreeOrAnError) {
    const char alphabet[] = {'(', ')', '+', '-', ' ', 's', 'm', 'e', 'b', 'i', 'o', 'r', 'a', 'n', 'd', 'v', 'z',
                             '.', '1', '9', 'x', '\0', '\t', '\xff', '\x80', 'E', 'u', 't'};
    unsigned seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const unsigned length = next() % 24;
        for (unsigned i = 0; i < length; ++i) text += alphabet[next() % sizeof alphabet];
        for (const CSettings* v : {static_cast<const CSettings*>(&plain), static_cast<const CSettings*>(&symmetric),
                                   static_cast<const CSettings*>(&linear), static_cast<const CSettings*>(nullptr)}) {
            const Outcome o = parse(v, text);
            if (o.state == CFEParser::kAccepted) {
                EXPECT_FALSE(o.printed.empty() && !text.empty()) << text;
            } else {
                EXPECT_GE(o.position, 0);
                EXPECT_LE(o.position, static_cast<int>(text.size()));
            }
        }
    }
}

}  // namespace
}  // namespace zorv
