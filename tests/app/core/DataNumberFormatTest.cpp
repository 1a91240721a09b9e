#include "app/core/DataNumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zorv {
namespace {

struct FormatCase {
    double value;
    const char* result;   // three significant digits
    const char* grouped;  // unrounded
};

TEST(DataNumberFormatTest, FormatsResultsWithThreeSignificantDigitsSixDecimalsAndGroups) {
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
        EXPECT_EQ(DataNumberFormat::FormatResult(c.value), c.result) << c.value;
        EXPECT_EQ(DataNumberFormat::FormatGrouped(c.value), c.grouped) << c.value;
    }
}

TEST(DataNumberFormatTest, NonFiniteValuesAreShownWithoutGroups) {
    EXPECT_EQ(DataNumberFormat::FormatResult(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(DataNumberFormat::FormatResult(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_FALSE(DataNumberFormat::ParseCell(DataNumberFormat::FormatResult(std::nan(""))));
}

TEST(DataNumberFormatTest, HugeValuesFormatWithoutTruncation) {
    const std::string text = DataNumberFormat::FormatGrouped(std::numeric_limits<double>::max());
    EXPECT_EQ(text.substr(text.size() - 7), ".000000");
    EXPECT_EQ(DataNumberFormat::ParseCell(text), std::numeric_limits<double>::max());
}

TEST(DataNumberFormatTest, RoundsToSignificantDigits) {
    EXPECT_DOUBLE_EQ(DataNumberFormat::RoundToSignificant(0.98765, 3), 0.988);
    EXPECT_DOUBLE_EQ(DataNumberFormat::RoundToSignificant(-98765, 2), -99000);
    EXPECT_DOUBLE_EQ(DataNumberFormat::RoundToSignificant(5e-300, 3), 5e-300);
    EXPECT_EQ(DataNumberFormat::RoundToSignificant(0.0, 3), 0.0);
    EXPECT_DOUBLE_EQ(DataNumberFormat::RoundToSignificant(1.25, 0), 1.0);  // at least one digit
}

TEST(DataNumberFormatTest, ReadsBackEveryResultItWrites) {
    for (double value : {0.0, 0.001234, 1.5, 999.95, 12345.678, -987654.321, 1e15, -3e-7}) {
        const std::string text = DataNumberFormat::FormatResult(value);
        const auto back = DataNumberFormat::ParseCell(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(DataNumberFormat::FormatGrouped(*back), text);
        EXPECT_NEAR(*back, DataNumberFormat::RoundToSignificant(value, 3), 5e-7) << text;
    }
}

struct ParseCase {
    const char* text;
    std::optional<double> value;
};

TEST(DataNumberFormatTest, ParsesCellsWithEitherDecimalMark) {
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
        EXPECT_EQ(DataNumberFormat::ParseCell(c.text), c.value) << "'" << c.text << "'";
    }
}

TEST(DataNumberFormatTest, DropsGroupsOnlyFromGroupedNumbers) {
    EXPECT_EQ(DataNumberFormat::WithoutGroups("1,234.500000"), "1234.500000");
    EXPECT_EQ(DataNumberFormat::WithoutGroups("-1,000,000.000000"), "-1000000.000000");
    EXPECT_EQ(DataNumberFormat::WithoutGroups("0,5"), "0,5");
    EXPECT_EQ(DataNumberFormat::WithoutGroups("<0.00, 1.00>"), "<0.00, 1.00>");
    EXPECT_EQ(DataNumberFormat::WithoutGroups("a,bcd.e"), "a,bcd.e");
    EXPECT_EQ(DataNumberFormat::WithoutGroups(""), "");
}

TEST(DataNumberFormatTest, RecognisesLinesThatBeginWithANumber) {
    EXPECT_TRUE(DataNumberFormat::BeginsWithNumber("1 2 3"));
    EXPECT_TRUE(DataNumberFormat::BeginsWithNumber("  \t-0.5 x"));
    EXPECT_TRUE(DataNumberFormat::BeginsWithNumber(".5"));
    EXPECT_TRUE(DataNumberFormat::BeginsWithNumber(",5"));
    EXPECT_TRUE(DataNumberFormat::BeginsWithNumber("+7abc"));
    EXPECT_FALSE(DataNumberFormat::BeginsWithNumber(""));
    EXPECT_FALSE(DataNumberFormat::BeginsWithNumber("x y est."));
    EXPECT_FALSE(DataNumberFormat::BeginsWithNumber("<0,00, 1,00>\t"));
    EXPECT_FALSE(DataNumberFormat::BeginsWithNumber("- 1"));
    EXPECT_FALSE(DataNumberFormat::BeginsWithNumber("."));
    EXPECT_FALSE(DataNumberFormat::BeginsWithNumber("inf 1"));
    EXPECT_FALSE(DataNumberFormat::BeginsWithNumber("nan"));
}

}  // namespace
}  // namespace zorv
