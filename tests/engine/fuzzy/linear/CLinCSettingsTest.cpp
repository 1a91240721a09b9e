#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "fuzzy/expression/ESyntax.h"
#include "fuzzy/linear/CLinCSettings.h"

namespace zorv {
namespace {

const CLinCSettings kVocabulary(0.0, 10.0);

TEST(CLinCSettings, IsTheLinearVocabulary) {
    EXPECT_EQ(kVocabulary.typeName(), "linc");
    EXPECT_EQ(kVocabulary.isLinear(), 1);
    EXPECT_EQ(kVocabulary.low(), 0.0);
    EXPECT_EQ(kVocabulary.high(), 10.0);
}

struct LinearCase {
    const char* text;
    int n;
    std::vector<double> expected;
};

class ParseLinearValid : public ::testing::TestWithParam<LinearCase> {};

TEST_P(ParseLinearValid, GivesTheCoefficients) {
    const LinearCase& c = GetParam();
    EXPECT_EQ(kVocabulary.parseLinear(c.text, c.n), c.expected) << "text: '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseLinearValid,
    ::testing::Values(
        LinearCase{"x1", 2, {0, 1, 0}}, LinearCase{"-x2", 2, {0, 0, -1}}, LinearCase{"3", 2, {3, 0, 0}},
        LinearCase{"2.5 + x1 - 0.3*x2", 2, {2.5, 1, -0.3}}, LinearCase{"", 2, {0, 0, 0}},
        LinearCase{"   \t ", 1, {0, 0}}, LinearCase{"+x1", 1, {0, 1}}, LinearCase{"X2", 2, {0, 0, 1}},
        LinearCase{"x1 * 4", 1, {0, 4}}, LinearCase{"x1*4", 1, {0, 4}}, LinearCase{"x1 *4", 1, {0, 4}},
        LinearCase{"4*x1", 1, {0, 4}}, LinearCase{"4 * x1", 1, {0, 4}}, LinearCase{"4 x1", 1, {0, 4}},
        LinearCase{"4x1", 1, {0, 4}}, LinearCase{"- 4 x1", 1, {0, -4}}, LinearCase{"1e-3 x1", 1, {0, 1e-3}},
        LinearCase{"x1*1e-3-2E+2", 1, {-200, 1e-3}}, LinearCase{"0 x1 + x1", 1, {0, 1}},
        LinearCase{"\n 1 \t+\r\n x1  ", 1, {1, 1}}, LinearCase{"x01", 1, {0, 1}}, LinearCase{".5+x2*2.", 2, {0.5, 0, 2}},
        LinearCase{"7", 0, {7}}, LinearCase{"x3 - x1 + 1 - 2x2", 3, {1, -1, -2, 1}}, LinearCase{"-0 + 1", 0, {1}}));

struct ErrorCase {
    const char* text;
    int n;
    const char* message;
};

class ParseLinearError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ParseLinearError, ThrowsWithoutTextOrPosition) {
    const ErrorCase& c = GetParam();
    std::vector<double> coefficients(static_cast<std::size_t>(c.n) + 1);
    try {
        kVocabulary.parseLinear(c.text, coefficients.data(), c.n);
        FAIL() << "no error for '" << c.text << "'";
    } catch (const ESyntax& e) {
        EXPECT_EQ(e.message(), c.message) << "text: '" << c.text << "'";
        EXPECT_EQ(e.position(), 0);
        EXPECT_FALSE(e.text().has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ParseLinearError,
    ::testing::Values(
        ErrorCase{"x1*0", 2, "real number expected"}, ErrorCase{"x1 * 0.0e5", 2, "real number expected"},
        ErrorCase{"x0", 2, "nonzero integeral index expected"}, ErrorCase{"x000", 2, "nonzero integeral index expected"},
        ErrorCase{"xy", 2, "nonzero integeral index expected"}, ErrorCase{"x", 2, "unexpected end"},
        ErrorCase{"2 + x", 2, "unexpected end"}, ErrorCase{"x1 + x1", 2, "each index should occure only once"},
        ErrorCase{"1 + 2", 2, "each index should occure only once"}, ErrorCase{"x1 +", 2, "unexpected end"},
        ErrorCase{"-", 2, "unexpected end"}, ErrorCase{"x1*", 2, "unexpected end"}, ErrorCase{"3 *", 2, "unexpected end"},
        ErrorCase{"x1 y", 2, "plus, minus or end expected"}, ErrorCase{"x1 2", 2, "plus, minus or end expected"},
        ErrorCase{"x1*2 x2", 2, "plus, minus or end expected"}, ErrorCase{"2.5abc", 2, "plus, minus or end expected"},
        ErrorCase{"3 4", 2, "plus, minus or end expected"}, ErrorCase{"x1.5", 2, "plus, minus or end expected"},
        ErrorCase{"y", 2, "real number expected"}, ErrorCase{"+-x1", 2, "real number expected"},
        ErrorCase{"x1*-2", 2, "real number expected"}, ErrorCase{"inf", 2, "real number expected"},
        ErrorCase{"nan x1", 2, "real number expected"}, ErrorCase{"1e999", 2, "real number expected"},
        ErrorCase{"x1*infinity", 2, "real number expected"}, ErrorCase{"2 * 3", 2, "variable expected after '*'"},
        ErrorCase{"x5", 2, "index x5 exceeds the number of input variables (2)"},
        ErrorCase{"x1", 0, "index x1 exceeds the number of input variables (0)"},
        ErrorCase{"x0003", 2, "index x3 exceeds the number of input variables (2)"},
        ErrorCase{"x99999999999999999999999999999999", 2,
                  "index x99999999999999999999... exceeds the number of input variables (2)"}));

TEST(ParseLinear, KeepsCoefficientsReadBeforeAnError) {
    std::vector<double> c{9, 9, 9};
    EXPECT_THROW(kVocabulary.parseLinear("1 + x2*3 + x2", c.data(), 2), ESyntax);
    EXPECT_EQ(c, (std::vector<double>{1, 0, 3}));
}

TEST(ParseLinear, ClearsTheCoefficientsFirst) {
    std::vector<double> c{9, 9, 9};
    kVocabulary.parseLinear("x1", c.data(), 2);
    EXPECT_EQ(c, (std::vector<double>{0, 1, 0}));
}

TEST(ParseLinear, WritesOnlyTheNPlusOneEntries) {
    std::vector<double> c{5, 5, 5, 5};
    EXPECT_THROW(kVocabulary.parseLinear("x3", c.data(), 2), ESyntax);
    EXPECT_EQ(c[3], 5.0);
}

TEST(ParseLinear, IndicesNearAndFarAboveALargeVariableCount) {
    const int n = 1'000'000;
    EXPECT_EQ(kVocabulary.parseLinear("x1000000*2", n).back(), 2.0);
    EXPECT_THROW(kVocabulary.parseLinear("x1000001", n), ESyntax);
    EXPECT_THROW(kVocabulary.parseLinear("x18446744073709551617", n), ESyntax);  // 2^64 + 1 wraps to 1
}

TEST(ParseLinear, NegativeVariableCountIsRefused) {
    EXPECT_THROW(kVocabulary.parseLinear("1", -1), std::invalid_argument);
}

TEST(ParseLinear, ResultsAreExactDecimalReadings) {
    const auto c = kVocabulary.parseLinear("0.1 - 0.30000000000000004 x1", 1);
    EXPECT_EQ(c[0], 0.1);
    EXPECT_EQ(c[1], -0.30000000000000004);
}

}  // namespace
}  // namespace zorv
