// Every number text of the program: the data table's formats and cells, the dialogs' fields, the shortest
// round-trip text and the whole-text readers of the command line.
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>
#include <limits>
#include <optional>
#include <string>

namespace zorv {
namespace {

struct FormatCase {
    double value;
    const char* result;   // three significant digits
    const char* grouped;  // unrounded
};

TEST(DataNumbers, FormatsResultsWithThreeSignificantDigitsSixDecimalsAndGroups) {
    const FormatCase cases[] = {
        {0.0, "0.000000", "0.000000"},
        {0.123456, "0.123000", "0.123456"},
        {0.5, "0.500000", "0.500000"},
        {1234.5, "1,230.000000", "1,234.500000"},
        {999.6, "1,000.000000", "999.600000"},
        {-1234567.891, "-1,230,000.000000", "-1,234,567.891000"},
        {0.00012345, "0.000123", "0.000123"},
        {123.456, "123.000000", "123.456000"},
        {100000, "100,000.000000", "100,000.000000"},
        {-0.5, "-0.500000", "-0.500000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText::dataResult(c.value), c.result) << c.value;
        EXPECT_EQ(NumberText::grouped(c.value), c.grouped) << c.value;
    }
}

TEST(DataNumbers, NonFiniteValuesAreShownWithoutGroups) {
    EXPECT_EQ(NumberText::dataResult(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(NumberText::dataResult(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_FALSE(NumberText::parseDecimal(NumberText::dataResult(std::nan(""))));
}

TEST(DataNumbers, HugeValuesFormatWithoutTruncation) {
    const std::string text = NumberText::grouped(std::numeric_limits<double>::max());
    EXPECT_EQ(text.substr(text.size() - 7), ".000000");
    EXPECT_EQ(NumberText::parseDecimal(text), std::numeric_limits<double>::max());
}

TEST(DataNumbers, RoundsToSignificantDigits) {
    EXPECT_DOUBLE_EQ(NumberText::roundToSignificant(0.98765, 3), 0.988);
    EXPECT_DOUBLE_EQ(NumberText::roundToSignificant(-98765, 2), -99000);
    EXPECT_DOUBLE_EQ(NumberText::roundToSignificant(5e-300, 3), 5e-300);
    EXPECT_EQ(NumberText::roundToSignificant(0.0, 3), 0.0);
    EXPECT_DOUBLE_EQ(NumberText::roundToSignificant(1.25, 0), 1.0);  // at least one digit
}

TEST(DataNumbers, ReadsBackEveryResultItWrites) {
    for (double value : {0.0, 0.001234, 1.5, 999.95, 12345.678, -987654.321, 1e15, -3e-7}) {
        const std::string text = NumberText::dataResult(value);
        const auto back = NumberText::parseDecimal(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(NumberText::grouped(*back), text);
        EXPECT_NEAR(*back, NumberText::roundToSignificant(value, 3), 5e-7) << text;
    }
}

// Short plain decimals take a path of their own; it must give the double from_chars gives, bit for bit,
// including at the ends of its reach (15 digits, 15 decimals, halfway cases, negative zero).
TEST(DataNumbers, ShortDecimalsReadAsTheNearestDouble) {
    std::mt19937_64 rng(5);
    std::vector<std::string> texts = {"0", "-0", "-0.0", "007", "0.1", "0.3", "-2.5", "123456789012345",
                                      "0.000000000000001", "9.99999999999999", "1.00000000000005", "0.005"};
    for (int i = 0; i < 20000; ++i) {
        const std::string digits = std::to_string(rng() % 1'000'000'000'000'000ULL);
        const std::size_t point = rng() % (digits.size() + 1);  // no point when it falls at the end
        std::string text(rng() % 2 ? "-" : "");
        if (point == 0) text += '0';
        for (std::size_t j = 0; j < digits.size(); ++j) {
            if (j == point) text += '.';
            text += digits[j];
        }
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        double expected = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        const auto value = NumberText::parseDecimal(text);
        ASSERT_TRUE(value) << text;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(*value), std::bit_cast<std::uint64_t>(expected)) << text;
    }
}

struct ParseCase {
    const char* text;
    std::optional<double> value;
};

TEST(DataNumbers, ParsesCellsWithEitherDecimalMark) {
    const ParseCase cases[] = {
        {"0.5", 0.5},
        {"0,5", 0.5},
        {" 3,25\t", 3.25},
        {"-2", -2.0},
        {"+2.5e-3", 0.0025},
        {".5", 0.5},
        {"5.", 5.0},
        {",5", 0.5},
        {"1,234.500000", 1234.5},
        {"-12,345,678.25", -12345678.25},
        {"+1,000.0", 1000.0},
        {"1,234", 1.234},  // a single "," without "." is the decimal mark
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1,2,3", std::nullopt},
        {"12,34.5", std::nullopt},
        {"1234,567.5", std::nullopt},
        {",123.5", std::nullopt},
        {"1.234,5", std::nullopt},
        {"1,234.5,6", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"-infinity", std::nullopt},
        {"1e999", std::nullopt},
        {"0x10", std::nullopt},
        {"+-1", std::nullopt},
        {"--1", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"1 2", std::nullopt},
        {"3a", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText::parseDecimal(c.text), c.value) << "'" << c.text << "'";
    }
}

TEST(DataNumbers, DropsGroupsOnlyFromGroupedNumbers) {
    EXPECT_EQ(NumberText::withoutGroups("1,234.500000"), "1234.500000");
    EXPECT_EQ(NumberText::withoutGroups("-1,000,000.000000"), "-1000000.000000");
    EXPECT_EQ(NumberText::withoutGroups("0,5"), "0,5");
    EXPECT_EQ(NumberText::withoutGroups("<0.00, 1.00>"), "<0.00, 1.00>");
    EXPECT_EQ(NumberText::withoutGroups("a,bcd.e"), "a,bcd.e");
    EXPECT_EQ(NumberText::withoutGroups(""), "");
}

TEST(DataNumbers, RecognisesLinesThatBeginWithANumber) {
    EXPECT_TRUE(NumberText::beginsWithNumber("1 2 3"));
    EXPECT_TRUE(NumberText::beginsWithNumber("  \t-0.5 x"));
    EXPECT_TRUE(NumberText::beginsWithNumber(".5"));
    EXPECT_TRUE(NumberText::beginsWithNumber(",5"));
    EXPECT_TRUE(NumberText::beginsWithNumber("+7abc"));
    EXPECT_FALSE(NumberText::beginsWithNumber(""));
    EXPECT_FALSE(NumberText::beginsWithNumber("x y est."));
    EXPECT_FALSE(NumberText::beginsWithNumber("<0,00, 1,00>\t"));
    EXPECT_FALSE(NumberText::beginsWithNumber("- 1"));
    EXPECT_FALSE(NumberText::beginsWithNumber("."));
    EXPECT_FALSE(NumberText::beginsWithNumber("inf 1"));
    EXPECT_FALSE(NumberText::beginsWithNumber("nan"));
}

TEST(FieldNumbers, ReadsWholeFieldsOnly) {
    EXPECT_EQ(NumberText::parseField(" -5.3 "), -5.3);
    EXPECT_EQ(NumberText::parseField("1e-3"), 0.001);
    EXPECT_EQ(NumberText::parseField("+.5"), 0.5);
    for (const char* bad : {"", " ", "5x", "5 5", "1,5", "inf", "nan", "1e999", "0x10", "-"}) {
        EXPECT_FALSE(NumberText::parseField(bad)) << bad;
    }
}

TEST(FieldNumbers, ReadsIntegersWithinRange) {
    EXPECT_EQ(NumberText::parseFieldInteger(" 301 "), 301);
    EXPECT_EQ(NumberText::parseFieldInteger("-20"), -20);
    EXPECT_EQ(NumberText::parseFieldInteger("2147483647"), 2147483647);
    for (const char* bad : {"", "+", "2147483648", "99999999999999999999", "3.0", "1e3", "20 1"}) {
        EXPECT_FALSE(NumberText::parseFieldInteger(bad)) << bad;
    }
}

TEST(FieldNumbers, WritesExactAndShortForms) {
    EXPECT_EQ(NumberText::field(0.1), "0.1");
    EXPECT_EQ(NumberText::field(-0.0), "0");
    EXPECT_EQ(NumberText::field(1.0 / 3.0), "0.3333333333333333");
    EXPECT_EQ(NumberText::threeDigits(1.0 / 3.0), "0.333");
    EXPECT_EQ(NumberText::threeDigits(12345.0), "1.23e+04");
    EXPECT_EQ(NumberText::threeDigits(-2.5), "-2.5");
}

TEST(FieldNumbers, TwoDecimalsWithoutANegativeZero) {
    EXPECT_EQ(NumberText::twoDecimals(3.14159), "3.14");
    EXPECT_EQ(NumberText::twoDecimals(-12), "-12.00");
    EXPECT_EQ(NumberText::twoDecimals(-0.001), "0.00");
    EXPECT_EQ(NumberText::twoDecimals(0.125), "0.12");
}

struct ReadCase {
    const char* text;
    std::optional<double> value;
};

class CellReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(CellReadTest, ReadsEitherDecimalMark) {
    EXPECT_EQ(NumberText::parseDecimal(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CellReadTest,
    ::testing::Values(ReadCase{"1.5", 1.5}, ReadCase{"1,5", 1.5}, ReadCase{" \t2 ", 2.0}, ReadCase{"+3", 3.0},
                      ReadCase{"-4,25", -4.25}, ReadCase{"1e3", 1000.0}, ReadCase{"2,5E-1", 0.25},
                      ReadCase{".5", 0.5}, ReadCase{"7.", 7.0}, ReadCase{"-0", 0.0}, ReadCase{"", std::nullopt},
                      ReadCase{"   ", std::nullopt}, ReadCase{"abc", std::nullopt}, ReadCase{"1,230.5", 1230.5},
                      ReadCase{"1.2.3", std::nullopt}, ReadCase{"1 2", std::nullopt}, ReadCase{"inf", std::nullopt},
                      ReadCase{"nan", std::nullopt}, ReadCase{"1e999", std::nullopt}, ReadCase{"+-1", std::nullopt},
                      ReadCase{"--1", std::nullopt}, ReadCase{"++1", std::nullopt}, ReadCase{"+", std::nullopt},
                      ReadCase{"0x10", std::nullopt}, ReadCase{"3x", std::nullopt}, ReadCase{",", std::nullopt}));

struct CellFormatCase {
    double value;
    const char* text;
};

class CellFormatTest : public ::testing::TestWithParam<CellFormatCase> {};

TEST_P(CellFormatTest, ThreeSignificantDigitsSixDecimals) {
    const std::string text = NumberText::dataCell(GetParam().value);
    EXPECT_EQ(text, GetParam().text);
    const auto back = NumberText::parseDecimal(text);
    ASSERT_TRUE(back) << text;
    EXPECT_LE(std::fabs(*back - GetParam().value), 0.005 * std::fabs(GetParam().value) + 5e-7);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CellFormatTest,
    ::testing::Values(
        CellFormatCase{3.14159, "3.140000"}, CellFormatCase{1234.5678, "1230.000000"},
        CellFormatCase{0.0012345, "0.001230"}, CellFormatCase{-2.5, "-2.500000"}, CellFormatCase{0.0, "0.000000"},
        CellFormatCase{-0.0, "0.000000"}, CellFormatCase{-1e-9, "0.000000"}, CellFormatCase{0.99951, "1.000000"},
        CellFormatCase{999999.0, "1000000.000000"}, CellFormatCase{4.5, "4.500000"},
        CellFormatCase{0.16999999999999993, "0.170000"}));

TEST(ShortestText, WritesTheShortestRoundTripText) {
    EXPECT_EQ(NumberText::shortest(0.1), "0.1");
    EXPECT_EQ(NumberText::shortest(301), "301");
    EXPECT_EQ(NumberText::shortest(0), "0");
    EXPECT_EQ(NumberText::shortest(-2.5), "-2.5");
    EXPECT_EQ(NumberText::shortest(1e-7), "1e-07");
    EXPECT_EQ(NumberText::shortest(0.1 + 0.2), "0.30000000000000004");
}

TEST(ShortestText, ReadsBackExactly) {
    for (const double v : {1.0 / 3.0, std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(),
                           -std::numeric_limits<double>::min(), 123456789.123456789, 5e-324}) {
        EXPECT_EQ(NumberText::parseReal(NumberText::shortest(v)), v) << NumberText::shortest(v);
    }
}

struct RealCase {
    const char* text;
    std::optional<double> expected;
};

class ParseRealCases : public ::testing::TestWithParam<RealCase> {};

TEST_P(ParseRealCases, AcceptsOnlyWholeFiniteNumbers) {
    EXPECT_EQ(NumberText::parseReal(GetParam().text), GetParam().expected) << "'" << GetParam().text << "'";
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
    EXPECT_EQ(NumberText::parseInteger("301"), 301);
    EXPECT_EQ(NumberText::parseInteger("+5"), 5);
    EXPECT_EQ(NumberText::parseInteger("-2"), -2);
    EXPECT_EQ(NumberText::parseInteger("1.0"), std::nullopt);
    EXPECT_EQ(NumberText::parseInteger("1e3"), std::nullopt);
    EXPECT_EQ(NumberText::parseInteger(""), std::nullopt);
    EXPECT_EQ(NumberText::parseInteger("12abc"), std::nullopt);
    EXPECT_EQ(NumberText::parseInteger("99999999999999999999"), std::nullopt);
}

}  // namespace
}  // namespace zorv
