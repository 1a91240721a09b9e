#include "app/core/terms/UserTermUniform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/core/terms/UserTermFactory.h"
#include "app/core/terms/UserTermTable.h"

namespace zorv {
namespace {

using S = UserTermShape;

std::vector<double> Points(const UserTermRow& row) {
    return {*row.values[S::leftSupp].number(), *row.values[S::leftKernel].number(),
            *row.values[S::rightSupp].number()};
}

TEST(UserTermUniformTest, ThreeOnTheUnitContext) {
    const auto outcome = UserTermUniform::Plan(UserTermTable(0.0, 1.0), "3");
    ASSERT_FALSE(outcome.message);
    ASSERT_EQ(outcome.rows.size(), 3u);
    EXPECT_EQ(outcome.rows[0].name, "p3_0");
    EXPECT_EQ(outcome.rows[2].name, "p3_2");
    EXPECT_EQ(outcome.rows[1].type, "triang");
    EXPECT_EQ(Points(outcome.rows[0]), (std::vector<double>{0.0, 0.0, 0.5}));
    EXPECT_EQ(Points(outcome.rows[1]), (std::vector<double>{0.0, 0.5, 1.0}));
    EXPECT_EQ(Points(outcome.rows[2]), (std::vector<double>{0.5, 1.0, 1.0}));
}

TEST(UserTermUniformTest, ValuesShowThreeDigitsAndStayExactAtTheEnds) {
    const auto rows = UserTermUniform::Partition(7, 0.0, 1.0);
    EXPECT_EQ(rows[1].values[S::leftKernel].text, "0.167");
    EXPECT_DOUBLE_EQ(*rows[1].values[S::leftKernel].number(), 1.0 / 6.0);
    EXPECT_EQ(*rows[6].values[S::rightSupp].number(), 1.0);
    const auto odd = UserTermUniform::Partition(3, 0.1, 0.7);
    EXPECT_EQ(*odd[2].values[S::leftKernel].number(), 0.7);
}

struct UniformCase {
    const char* label;
    double low;
    double high;
    std::optional<std::string> answer;
    std::size_t rows;
    std::string message;
};

class UserTermUniformAnswers : public ::testing::TestWithParam<UniformCase> {};

TEST_P(UserTermUniformAnswers, AreChecked) {
    const UniformCase& c = GetParam();
    UserTermTable table(c.low, c.high);
    table.appendRow(UserTermFactory::Shape(S::kTriang, c.low, c.high, "p5_3"));
    const auto outcome = UserTermUniform::Plan(
        table, c.answer ? std::optional<std::string_view>(*c.answer) : std::nullopt);
    EXPECT_EQ(outcome.rows.size(), c.rows);
    EXPECT_EQ(outcome.message ? outcome.message->text : "", c.message);
    if (outcome.message) {
        EXPECT_EQ(outcome.message->caption, "Wrong input");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, UserTermUniformAnswers,
    ::testing::Values(
        UniformCase{"cancelled", 0, 1, std::nullopt, 0, ""}, UniformCase{"notANumber", 0, 1, "many", 0, ""},
        UniformCase{"truncated", 0, 1, "4.9", 4, ""}, UniformCase{"two", 0, 1, "2", 2, ""},
        UniformCase{"hundredAndOne", 0, 1, "101", 101, ""},
        UniformCase{"one", 0, 1, "1", 0, "Number of expressions out of range"},
        UniformCase{"hundredAndTwo", 0, 1, "102", 0, "Number of expressions out of range"},
        UniformCase{"huge", 0, 1, "1e300", 0, "Number of expressions out of range"},
        UniformCase{"evenOnSymmetric", -1, 1, "4", 0, "Number of expressions for symetrical variable must be odd value"},
        UniformCase{"evenOnLopsidedSigned", -1, 3, "4", 0,
                    "Number of expressions for symetrical variable must be odd value"},
        UniformCase{"oddOnSymmetric", -1, 1, "5", 0, "One or more of expressions already exists."},
        UniformCase{"evenFromZero", 0, 1, "6", 6, ""}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace zorv
