#include "app/core/terms/TermStandardList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "fuzzy/vocabulary/CTriangSettings.h"

namespace zorv {
namespace {

using S = UserTermShape;

std::vector<std::string> Names(const std::vector<UserTermRow>& rows) {
    std::vector<std::string> names;
    for (const UserTermRow& row : rows) names.push_back(row.name);
    return names;
}

std::vector<double> Values(const UserTermRow& row) {
    std::vector<double> values;
    for (const UserTermValue& value : row.values) values.push_back(*value.number());
    return values;
}

TEST(TermStandardListTest, ContextWithoutSignsListsEveryExpressionOnce) {
    const auto rows = TermStandardList::Rows(CLinguisticSettings(0.0, 10.0));
    ASSERT_EQ(rows.size(), 25u);
    const auto names = Names(rows);
    EXPECT_EQ(names[0], "sm");
    EXPECT_EQ(names[1], "ex sm");
    EXPECT_EQ(names[9], "bi");
    EXPECT_EQ(names[18], "me");
    EXPECT_EQ(names[19], "ml me");
    EXPECT_EQ(names[23], "ze");
    EXPECT_EQ(names[24], "ro ze");
    EXPECT_EQ(rows[0].type, "quadratic");
    // small (0, 0, 0, 0.05, 0.24, 0.36) on <0, 10>.
    EXPECT_EQ(rows[0].values[S::rightEquilib].text, "2.4");
    EXPECT_DOUBLE_EQ(*rows[0].values[S::rightSupp].number(), 3.6);
}

TEST(TermStandardListTest, SymmetricContextListsSignedTermsThenTheZeros) {
    const auto rows = TermStandardList::Rows(CLinguisticSettings(-4.0, 4.0));
    ASSERT_EQ(rows.size(), 52u);
    const auto names = Names(rows);
    EXPECT_EQ(names[0], "+sm");
    EXPECT_EQ(names[1], "+ex sm");
    EXPECT_EQ(names[25], "-sm");
    EXPECT_EQ(names[26], "-ex sm");
    EXPECT_EQ(names[50], "ze");
    EXPECT_EQ(names[51], "ro ze");
    EXPECT_EQ(Values(rows[50]), (std::vector<double>{-0.2, -0.1, 0.0, 0.0, 0.1, 0.2}));
    EXPECT_EQ(Values(rows[51]), (std::vector<double>{-0.4, -0.2, 0.0, 0.0, 0.2, 0.4}));
    // -small mirrors +small.
    EXPECT_DOUBLE_EQ(*rows[25].values[S::leftSupp].number(), -*rows[0].values[S::rightSupp].number());
}

TEST(TermStandardListTest, TriangVocabularyShowsItsTriangles) {
    const auto rows = TermStandardList::Rows(CTriangSettings(0.0, 10.0));
    ASSERT_EQ(Names(rows), (std::vector<std::string>{"sm", "me", "bi"}));
    EXPECT_EQ(rows[1].type, "triang");
    EXPECT_EQ(*rows[1].values[S::leftKernel].number(), 5.0);
}

TEST(TermStandardListTest, LinearVocabularyHasNone) { EXPECT_TRUE(TermStandardList::Rows(CLinCSettings(0, 1)).empty()); }

}  // namespace
}  // namespace zorv
