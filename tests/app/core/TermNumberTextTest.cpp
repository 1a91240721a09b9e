#include "app/core/TermNumberText.h"

#include <gtest/gtest.h>

namespace zorv {
namespace {

TEST(TermNumberTextTest, ReadsWholeFieldsOnly) {
    EXPECT_EQ(TermNumberText::ParseReal(" -5.3 "), -5.3);
    EXPECT_EQ(TermNumberText::ParseReal("1e-3"), 0.001);
    EXPECT_EQ(TermNumberText::ParseReal("+.5"), 0.5);
    for (const char* bad : {"", " ", "5x", "5 5", "1,5", "inf", "nan", "1e999", "0x10", "-"}) {
        EXPECT_FALSE(TermNumberText::ParseReal(bad)) << bad;
    }
}

TEST(TermNumberTextTest, ReadsIntegersWithinRange) {
    EXPECT_EQ(TermNumberText::ParseInteger(" 301 "), 301);
    EXPECT_EQ(TermNumberText::ParseInteger("-20"), -20);
    EXPECT_EQ(TermNumberText::ParseInteger("2147483647"), 2147483647);
    for (const char* bad : {"", "+", "2147483648", "99999999999999999999", "3.0", "1e3", "20 1"}) {
        EXPECT_FALSE(TermNumberText::ParseInteger(bad)) << bad;
    }
}

TEST(TermNumberTextTest, WritesExactAndShortForms) {
    EXPECT_EQ(TermNumberText::Exact(0.1), "0.1");
    EXPECT_EQ(TermNumberText::Exact(-0.0), "0");
    EXPECT_EQ(TermNumberText::Exact(1.0 / 3.0), "0.3333333333333333");
    EXPECT_EQ(TermNumberText::ThreeDigits(1.0 / 3.0), "0.333");
    EXPECT_EQ(TermNumberText::ThreeDigits(12345.0), "1.23e+04");
    EXPECT_EQ(TermNumberText::ThreeDigits(-2.5), "-2.5");
}

}  // namespace
}  // namespace zorv
