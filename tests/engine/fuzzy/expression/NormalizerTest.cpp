#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fuzzy/expression/CNormalizer.h"
#include "fuzzy/expression/ESyntax.h"
#include "fuzzy/sets/CFuzzyParamSetFactory.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"

namespace zorv {
namespace {

// <0, 1> without user terms, and <-1, 1> with "warm" and "cz"/"cozy".
struct Vocabularies {
    CLinguisticSettings plain{0.0, 1.0};
    CLinguisticSettings symmetric{-1.0, 1.0};
    CBasicSettings basic{0.0, 10.0};

    Vocabularies() {
        const double warm[] = {-0.5, 0.0, 0.5};
        const double cozy[] = {-0.2, 0.0, 0.3, 0.6};
        symmetric.addUserTerm("warm", "", createParamSet("triang", warm, -1.0, 1.0));
        symmetric.addUserTerm("cz", "cozy", createParamSet("trapezoid", cozy, -1.0, 1.0));
    }
};

const Vocabularies& vocabularies() {
    static const Vocabularies v;
    return v;
}

struct NormalCase {
    const char* text;
    const char* expected;
};

class NormalizeValid : public ::testing::TestWithParam<NormalCase> {};

TEST_P(NormalizeValid, ExpandsAndIsAFixedPoint) {
    const CNormalizer normalizer(vocabularies().symmetric);
    const std::string once = normalizer.run(GetParam().text);
    EXPECT_EQ(once, GetParam().expected);
    EXPECT_EQ(normalizer.run(once), once);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NormalizeValid,
    ::testing::Values(
        NormalCase{"sm", "small"}, NormalCase{"  ve \t sm  ", "very small"}, NormalCase{"vr sm", "very roughly small"},
        NormalCase{"very roughly small", "very roughly small"}, NormalCase{"very   roughly bi", "very roughly big"},
        NormalCase{"more  or\tless me", "more or less medium"},
        NormalCase{"qr ze", "quite roughly zero"}, NormalCase{"not ze", "no zero"}, NormalCase{"no ze", "no zero"},
        NormalCase{"very medium", "very medium"}, NormalCase{"ex sm", "extremely small"},
        NormalCase{"si bi", "significantly big"}, NormalCase{"ra sm", "rather small"},
        NormalCase{"ml me and (ro bi or ex sm)", "more or less medium and (roughly big or extremely small)"},
        NormalCase{"((sm))", "((small))"}, NormalCase{"( sm )", "(small)"}, NormalCase{"(sm) or (bi)", "(small) or (big)"},
        NormalCase{"about 0.5", "about 0.5"}, NormalCase{"about   -1", "about -1"}, NormalCase{"about 1e0", "about 1e0"},
        NormalCase{"(about .5)", "(about .5)"}, NormalCase{"about +0.25 and sm", "about +0.25 and small"},
        NormalCase{"sm land bi", "small shem ham and az big"}, NormalCase{"sm lor bi", "small fug ho or az big"},
        NormalCase{"sm shem  ham and az bi", "small shem ham and az big"}, NormalCase{"-ex sm", "-extremely small"},
        NormalCase{"- sm", "-small"}, NormalCase{"+ve bi", "+very big"}, NormalCase{"-ze or +ze", "-zero or +zero"},
        NormalCase{"warm or cz", "warm or cozy"}, NormalCase{"ve warm and cozy", "very warm and cozy"}));

struct ErrorCase {
    const char* text;
    const char* message;
    int position;
};

class NormalizeError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(NormalizeError, ReportsMessageTextAndPosition) {
    const ErrorCase& c = GetParam();
    try {
        CNormalizer(vocabularies().plain).run(c.text);
        FAIL() << "no error for '" << c.text << "'";
    } catch (const ESyntax& e) {
        EXPECT_EQ(e.message(), c.message) << "text: '" << c.text << "'";
        EXPECT_EQ(e.position(), c.position) << "text: '" << c.text << "'";
        EXPECT_EQ(e.text(), std::string(c.text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, NormalizeError,
    ::testing::Values(
        ErrorCase{"", "atomic term expected", 0}, ErrorCase{"   ", "atomic term expected", 3},
        ErrorCase{"sm bi", "connective expected", 3}, ErrorCase{"sm andbi", "connective expected", 3},
        ErrorCase{"(sm)and bi", "connective expected", 4}, ErrorCase{"(sm", "missing right parenthesis", 3},
        ErrorCase{"((sm) or bi", "missing right parenthesis", 11}, ErrorCase{"sm)", "too much right parentheses", 2},
        ErrorCase{"sm) or bi", "too much right parentheses", 2}, ErrorCase{"about3", "Space required", 5},
        ErrorCase{"about", "Space required", 5}, ErrorCase{"about(", "Space required", 5},
        ErrorCase{"about ", "Number expected", 6}, ErrorCase{"about x", "Number expected", 6},
        ErrorCase{"about 3x", "Number expected", 6}, ErrorCase{"about nan", "Number expected", 6},
        ErrorCase{"about inf", "Number expected", 6}, ErrorCase{"about +-1", "Number expected", 6},
        ErrorCase{"about 1e999", "Number expected", 6}, ErrorCase{"about 2", "fuzzy number out of context", 6},
        ErrorCase{"sm or about -0.1", "fuzzy number out of context", 12},
        ErrorCase{"-sm", "negative term is not allowed in this context", 0},
        ErrorCase{"bi or -ve sm", "negative term is not allowed in this context", 6},
        ErrorCase{"ve", "atomic term expected", 2}, ErrorCase{"sm and", "atomic term expected", 6},
        ErrorCase{"smal", "atomic term expected", 0}, ErrorCase{"sm(", "atomic term expected", 0},
        ErrorCase{"undef", "atomic term expected", 0}, ErrorCase{"warm", "atomic term expected", 0},
        ErrorCase{"()", "atomic term expected", 1}, ErrorCase{"\xff\x80", "atomic term expected", 0},
        ErrorCase{"sm and\tve\t", "atomic term expected", 10}, ErrorCase{"++sm", "atomic term expected", 1},
        ErrorCase{"ve ro sm", "atomic term expected", 3}));

TEST(Normalize, CheckedThroughTheVocabularyToo) {
    EXPECT_EQ(vocabularies().plain.normalize("ro bi"), "roughly big");
}

TEST(Normalize, LinguisticConnectivesBelongToTheLinguisticVocabularyOnly) {
    EXPECT_EQ(CNormalizer(vocabularies().plain).run("sm lor bi"), "small fug ho or az big");
    EXPECT_THROW(CNormalizer(vocabularies().basic).run("sm lor bi"), ESyntax);
    EXPECT_EQ(CNormalizer(vocabularies().basic).run("sm or not bi"), "small or no big");
}

TEST(Normalize, NumbersAtTheContextBoundsAreInside) {
    const CNormalizer normalizer(vocabularies().basic);
    EXPECT_EQ(normalizer.run("about 0"), "about 0");
    EXPECT_EQ(normalizer.run("about 10"), "about 10");
    EXPECT_THROW(normalizer.run("about 10.000001"), ESyntax);
}

TEST(Normalize, NestingIsBounded) {
    const CNormalizer normalizer(vocabularies().plain);
    const int limit = CNormalizer::kMaxDepth;
    const auto nested = [](int depth) {
        return std::string(static_cast<std::size_t>(depth), '(') + "sm" + std::string(static_cast<std::size_t>(depth), ')');
    };
    EXPECT_EQ(normalizer.run(nested(limit)), nested(limit).replace(static_cast<std::size_t>(limit), 2, "small"));
    for (const int depth : {limit + 1, 100000}) {
        try {
            normalizer.run(nested(depth));
            FAIL() << "depth " << depth << " accepted";
        } catch (const ESyntax& e) {
            EXPECT_EQ(e.message(), "expression nested too deeply");
            EXPECT_EQ(e.position(), limit);
        }
    }
}

}  // namespace
}  // namespace zorv
