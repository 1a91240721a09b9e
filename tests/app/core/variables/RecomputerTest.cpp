#include "app/core/variables/Recomputer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/core/variables/Bounder.h"
#include "app/core/variables/VariableNumbers.h"
#include "fuzzy/expression/ExpressionText.h"
#include "tests/support/TestUnits.h"

namespace zorv {
namespace {

using test::VariableTestUnits;
using Texts = std::vector<std::string>;

std::string Applied(const CSettings& settings, const std::string& text, const ExprOperator& op) {
    auto tree = parseExpression(settings, text);
    op.Apply(*tree);
    return tree->print();
}

TEST(RecomputerTest, MapsNumbersOntoTheNewContext) {
    const CLinguisticSettings settings(0.0, 10.0);
    EXPECT_EQ(Applied(settings, "about 3", Recomputer(0.0, 100.0, 0.0, 10.0)), "about 30");
    EXPECT_EQ(Applied(settings, "about 0", Recomputer(-1.0, 1.0, 0.0, 10.0)), "about -1");
    EXPECT_EQ(Applied(settings, "about 10", Recomputer(-1.0, 1.0, 0.0, 10.0)), "about 1");
}

TEST(RecomputerTest, BounderCutsToTheNewContext) {
    const CLinguisticSettings settings(0.0, 10.0);
    EXPECT_EQ(Applied(settings, "about 7", Bounder(0.0, 5.0)), "about 5");
    EXPECT_EQ(Applied(settings, "about 4", Bounder(0.0, 5.0)), "about 4");
    const CLinCSettings linear(0.0, 10.0);
    EXPECT_EQ(Applied(linear, "-2", Bounder(0.0, 5.0)), "0");
}

TEST(RecomputerTest, OtherExpressionsAreLeftAlone) {
    const CLinguisticSettings settings(0.0, 10.0);
    EXPECT_EQ(Applied(settings, "about 3 and sm", Recomputer(0.0, 100.0, 0.0, 10.0)), "about 3 and small");
    EXPECT_EQ(Applied(settings, "ve sm", Bounder(0.0, 1.0)), "very small");
}

TEST(VariableNumbersTest, FindsTheDistinctWholeNumberExpressions) {
    const auto unit = VariableTestUnits::Linguistic(
        {{"about 3", "ze", "bi"}, {"about 3", "sm", "me"}, {"about 3 or sm", "ze", "sm"}, {"about 8", "ze", "sm"}});
    const VariableNumbers numbers(*unit, 0);
    EXPECT_EQ(numbers.Texts(), Texts({"about 3", "about 8"}));
    EXPECT_TRUE(numbers.AllInRange(*unit, 0.0, 8.0));
    EXPECT_FALSE(numbers.AllInRange(*unit, 0.0, 7.9));
    EXPECT_FALSE(VariableNumbers(*unit, 1).Any());
}

TEST(VariableNumbersTest, RewritesEveryRuleHoldingTheNumber) {
    auto unit = VariableTestUnits::Linguistic({{"about 3", "ze", "bi"}, {"sm", "sm", "me"}, {"about 3", "ze", "sm"}});
    VariableNumbers(*unit, 0).Rewrite(*unit, Recomputer(0.0, 100.0, 0.0, 10.0));
    EXPECT_EQ(VariableTestUnits::Texts(*unit, 0), Texts({"about 30", "sm", "about 30"}));
    EXPECT_EQ(VariableTestUnits::Texts(*unit, 1), Texts({"ze", "sm", "ze"}));
}

TEST(VariableNumbersTest, LinearOutputsRewriteBareNumbersOnly) {
    auto unit = VariableTestUnits::Singleton({{"sm", "5"}, {"bi", "2 + x1"}});
    const VariableNumbers numbers(*unit, ~0);
    EXPECT_EQ(numbers.Texts(), Texts({"5"}));
    numbers.Rewrite(*unit, Recomputer(0.0, 1.0, 0.0, 10.0));
    EXPECT_EQ(VariableTestUnits::Texts(*unit, ~0), Texts({"0.5", "2 + x1"}));
}

}  // namespace
}  // namespace zorv
