#include "ftransform/command/DataCellNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace zorv {
namespace {

struct ReadCase {
    const char* text;
    std::optional<double> value;
};

class CellReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(CellReadTest, ReadsEitherDecimalMark) {
    EXPECT_EQ(DataCellNumber::read(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CellReadTest,
    ::testing::Values(ReadCase{"1.5", 1.5}, ReadCase{"1,5", 1.5}, ReadCase{" \t2 ", 2.0}, ReadCase{"+3", 3.0},
                      ReadCase{"-4,25", -4.25}, ReadCase{"1e3", 1000.0}, ReadCase{"2,5E-1", 0.25},
                      ReadCase{".5", 0.5}, ReadCase{"7.", 7.0}, ReadCase{"-0", 0.0}, ReadCase{"", std::nullopt},
                      ReadCase{"   ", std::nullopt}, ReadCase{"abc", std::nullopt}, ReadCase{"1,230.5", std::nullopt},
                      ReadCase{"1.2.3", std::nullopt}, ReadCase{"1 2", std::nullopt}, ReadCase{"inf", std::nullopt},
                      ReadCase{"nan", std::nullopt}, ReadCase{"1e999", std::nullopt}, ReadCase{"+-1", std::nullopt},
                      ReadCase{"--1", std::nullopt}, ReadCase{"++1", std::nullopt}, ReadCase{"+", std::nullopt},
                      ReadCase{"0x10", std::nullopt}, ReadCase{"3x", std::nullopt}, ReadCase{",", std::nullopt}));

struct FormatCase {
    double value;
    const char* text;
};

class CellFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(CellFormatTest, ThreeSignificantDigitsSixDecimals) {
    const std::string text = DataCellNumber::format(GetParam().value);
    EXPECT_EQ(text, GetParam().text);
    const auto back = DataCellNumber::read(text);
    ASSERT_TRUE(back) << text;
    EXPECT_LE(std::fabs(*back - GetParam().value), 0.005 * std::fabs(GetParam().value) + 5e-7);
}

INSTANTIATE_TEST_SUITE_P(Values, CellFormatTest,
                         ::testing::Values(FormatCase{3.14159, "3.140000"}, FormatCase{1234.5678, "1230.000000"},
                                           FormatCase{0.0012345, "0.001230"}, FormatCase{-2.5, "-2.500000"},
                                           FormatCase{0.0, "0.000000"}, FormatCase{-0.0, "0.000000"},
                                           FormatCase{-1e-9, "0.000000"}, FormatCase{0.99951, "1.000000"},
                                           FormatCase{999999.0, "1000000.000000"}, FormatCase{4.5, "4.500000"},
                                           FormatCase{0.16999999999999993, "0.170000"}));

}  // namespace
}  // namespace zorv
