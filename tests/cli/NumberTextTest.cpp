#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "cli/NumberText.h"

namespace zorv::cli {
namespace {

TEST(ShortestText, WritesTheShortestRoundTripText) {
    EXPECT_EQ(shortestText(0.1), "0.1");
    EXPECT_EQ(shortestText(301), "301");
    EXPECT_EQ(shortestText(0), "0");
    EXPECT_EQ(shortestText(-2.5), "-2.5");
    EXPECT_EQ(shortestText(1e-7), "1e-07");
    EXPECT_EQ(shortestText(0.1 + 0.2), "0.30000000000000004");
}

TEST(ShortestText, ReadsBackExactly) {
    for (const double v : {1.0 / 3.0, std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(),
                           -std::numeric_limits<double>::min(), 123456789.123456789, 5e-324}) {
        EXPECT_EQ(parseReal(shortestText(v)), v) << shortestText(v);
    }
}

struct RealCase {
    const char* text;
    std::optional<double> expected;
};

class ParseRealCases : public ::testing::TestWithParam<RealCase> {};

TEST_P(ParseRealCases, AcceptsOnlyWholeFiniteNumbers) {
    EXPECT_EQ(parseReal(GetParam().text), GetParam().expected) << "'" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseRealCases,
    ::testing::Values(RealCase{"1", 1.0}, RealCase{"+1", 1.0}, RealCase{"-1.5", -1.5}, RealCase{"1e3", 1000.0},
                      RealCase{".5", 0.5}, RealCase{"5.", 5.0}, RealCase{"-0", -0.0}, RealCase{"", std::nullopt},
                      RealCase{"+", std::nullopt}, RealCase{"-", std::nullopt}, RealCase{" 1", std::nullopt},
                      RealCase{"1 ", std::nullopt}, RealCase{"1,5", std::nullopt}, RealCase{"nan", std::nullopt},
                      RealCase{"inf", std::nullopt}, RealCase{"-inf", std::nullopt}, RealCase{"+nan", std::nullopt},
                      RealCase{"0x10", std::nullopt}, RealCase{"1e999", std::nullopt}, RealCase{"+-1", std::nullopt},
                      RealCase{"--1", std::nullopt}, RealCase{"1.2.3", std::nullopt}, RealCase{"abc", std::nullopt}));

TEST(ParseInteger, AcceptsOnlyWholeIntegersInRange) {
    EXPECT_EQ(parseInteger("301"), 301);
    EXPECT_EQ(parseInteger("+5"), 5);
    EXPECT_EQ(parseInteger("-2"), -2);
    EXPECT_EQ(parseInteger("1.0"), std::nullopt);
    EXPECT_EQ(parseInteger("1e3"), std::nullopt);
    EXPECT_EQ(parseInteger(""), std::nullopt);
    EXPECT_EQ(parseInteger("12abc"), std::nullopt);
    EXPECT_EQ(parseInteger("99999999999999999999"), std::nullopt);
}

}  // namespace
}  // namespace zorv::cli
