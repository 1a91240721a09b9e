#include "app/core/variables/VariableDiscretization.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rulebase/CFuzValue.h"
#include "tests/support/TestUnits.h"

namespace zorv {
namespace {

using test::VariableTestUnits;
using Texts = std::vector<std::string>;

std::vector<RuleRow> RulesOf(const CRuleBase& unit) { return unit.Rules(); }

TEST(VariableDiscretizationTest, ChangesOneVariableAndKeepsEverythingElse) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}, {"bi", "-sm", "sm"}, {"me", "ze", "me"}});
    unit->SetEnabled(2, false);
    const auto before = RulesOf(*unit);
    VariableDiscretization::Set(*unit, 0, 101);
    EXPECT_EQ(unit->Discretization(0), 101);
    EXPECT_EQ(unit->Discretization(1), 301);
    EXPECT_EQ(unit->VariableName(0), "speed");
    EXPECT_EQ(unit->VariableName(1), "load");
    EXPECT_EQ(RulesOf(*unit), before);
}

TEST(VariableDiscretizationTest, OutputsToo) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    unit->AddSuccedent(CFuzzyVariable("heat", std::make_shared<CLinguisticSettings>(0.0, 1.0), 301), ~0);
    const auto before = RulesOf(*unit);
    VariableDiscretization::Set(*unit, ~0, 51);
    EXPECT_EQ(unit->Discretization(~0), 51);
    EXPECT_EQ(unit->VariableName(~0), "power");
    EXPECT_EQ(unit->VariableName(~1), "heat");
    EXPECT_EQ(RulesOf(*unit), before);
}

TEST(VariableDiscretizationTest, AliasesStayAliases) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    unit->AddAntecedent(CFuzzyVariable("speed2", unit->Variable(0).SharedSettings(), 301), 0);
    VariableDiscretization::Set(*unit, 0, 401);
    EXPECT_EQ(unit->Variable(0).SharedSettings(), unit->Variable(2).SharedSettings());
    EXPECT_EQ(unit->AliasOwner(2), 0);
    EXPECT_EQ(unit->Discretization(2), 301);
    EXPECT_EQ(VariableTestUnits::Texts(*unit, 2), Texts({"sm"}));
}

TEST(VariableDiscretizationTest, SameValueChangesNothing) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    const int pool = unit->PoolSize();
    VariableDiscretization::Set(*unit, 1, 301);
    EXPECT_EQ(unit->PoolSize(), pool);
}

TEST(VariableDiscretizationTest, CompiledSetsFollowTheNewGrid) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    VariableDiscretization::Set(*unit, 0, 21);
    const auto* cell = dynamic_cast<const CFuzValue*>(&unit->Cell(0, 0));
    ASSERT_NE(cell, nullptr);
    EXPECT_FALSE(cell->CompileError());
    EXPECT_EQ(cell->SampleCount(), 21);
}

}  // namespace
}  // namespace zorv
