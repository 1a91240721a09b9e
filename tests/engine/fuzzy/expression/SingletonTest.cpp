#include <gtest/gtest.h>

#include "fuzzy/expression/CFEParser.h"
#include "fuzzy/expression/ESingletonExpr.h"
#include "fuzzy/linear/CLinCSettings.h"

namespace zorv {
namespace {

TEST(SingletonExpr, NumberOperations) {
    const CLinCSettings linc(0, 10);
    auto root = CFEParser(&linc).parse("15");
    ASSERT_EQ(root->kind(), ELingExpr::kSingleton);
    EXPECT_EQ(root->number(), 15.0);
    EXPECT_FALSE(root->inRange(0, 10));
    EXPECT_TRUE(root->inRange(15, 15));
    root->clamp(0, 10);
    EXPECT_EQ(root->print(), "10");
    root->rescale(-1, 1, 0, 10);
    EXPECT_EQ(root->print(), "1");
    ESingletonExpr small(0.000012345678);
    EXPECT_EQ(small.print(), "1.23457e-05");
    CLingTerm d;
    small.describe(d);
    EXPECT_EQ(d.atom, CLingTerm::kNoAtom);
}

}  // namespace
}  // namespace zorv
