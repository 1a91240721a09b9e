#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "RuleBaseTestSupport.h"
#include "fuzzy/expression/ESyntax.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/vocabulary/CTriangSettings.h"
#include "inference/compiled/Workspace.h"
#include "rulebase/CFuzValue.h"
#include "rulebase/CLinCValue.h"

namespace zorv::test {
namespace {

int LiveCells(const CRuleBase& unit) {
    int live = 0;
    for (int i = 0; i < unit.PoolSize(); ++i) live += unit.PoolCell(i) != nullptr ? 1 : 0;
    return live;
}

const CFuzValue& Fuzzy(const CRuleBase& unit, int variable, int rule) {
    return dynamic_cast<const CFuzValue&>(unit.Cell(variable, rule));
}

TEST(NewUnit, HasTheDefaultsOfItsType) {
    const auto unit = CRuleBase::Create(DescriptionType::linguistic);
    EXPECT_EQ(unit->Name(), "Default name");
    EXPECT_EQ(unit->Description(), "Enter your description of the rulebase here.");
    EXPECT_EQ(unit->InferenceMethod().displayName, "Perception-based Logical Deduction");
    EXPECT_EQ(unit->DefuzzificationMethod().fileKey, "SimpDefuzzLingExpression");
    EXPECT_FALSE(unit->UseFuzzyFilter());
    EXPECT_EQ(unit->PerceptionUpper(), 0.8);
    EXPECT_EQ(unit->PerceptionLower(), 0.2);
    EXPECT_EQ(unit->Steps(), 100);
    EXPECT_EQ(unit->VariableName(0), "X");
    EXPECT_EQ(unit->VariableName(-1), "Y");
    EXPECT_EQ(unit->Discretization(0), 301);
    EXPECT_EQ(unit->Discretization(-1), 301);
    EXPECT_EQ(unit->Rules(), (std::vector<RuleRow>{{true, {"ze", "ze"}}}));

    const auto singleton = CRuleBase::Create(DescriptionType::singleton);
    EXPECT_EQ(singleton->InferenceMethod().fileKey, "Takagi-Sugeno Inference");
    EXPECT_EQ(singleton->Settings(-1).typeName(), "linc");
    const auto& cell = dynamic_cast<const CLinCValue&>(singleton->Cell(-1, 0));
    EXPECT_EQ(cell.Coefficients(), (std::vector<double>{0.5, 0.0}));
}

TEST(CellPool, InternsEqualTextsOfVariablesWithEqualSettingsAndGrid) {
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->AddAntecedent(CFuzzyVariable("X2", unit->Variable(0).SharedSettings(), 301), 0);
    unit->AddAntecedent(CFuzzyVariable("X3", unit->Variable(0).SharedSettings(), 101), 0);
    unit->SetRules({{"1", "sm", "sm", "sm", "ze"}, {"0", "sm", "bi", "sm", "ze"}});
    EXPECT_EQ(unit->CellIndex(0)[0], unit->CellIndex(0)[1]);
    EXPECT_EQ(unit->CellIndex(0)[0], unit->CellIndex(1)[0]);  // alias at the same grid
    EXPECT_NE(unit->CellIndex(0)[0], unit->CellIndex(2)[0]);  // alias at another grid
    EXPECT_EQ(unit->Cell(0, 0).RefCount(), 3);
    EXPECT_EQ(unit->Cell(2, 0).RefCount(), 2);
    EXPECT_EQ(unit->Cell(-1, 0).RefCount(), 2);
    EXPECT_EQ(LiveCells(*unit), 4);
    EXPECT_FALSE(unit->Enabled(1));
}

TEST(CellPool, DeletingAVariableReleasesItsCellsAndKeepsSlotsEmpty) {
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->AddAntecedent(CFuzzyVariable("W", std::make_shared<CLinguisticSettings>(0, 1), 301), 0);
    unit->SetRules({{"1", "sm", "bi", "ze"}, {"1", "sm", "bi", "ze"}});
    const int pool = unit->PoolSize();
    const int slot = unit->CellIndex(1)[0];
    unit->DeleteVariable(1);
    EXPECT_EQ(unit->PoolCell(slot), nullptr);
    EXPECT_EQ(unit->PoolSize(), pool);
    EXPECT_EQ(unit->Cell(0, 0).RefCount(), 2);
    unit->AddAntecedent(CFuzzyVariable("V", std::make_shared<CLinguisticSettings>(0, 1), 301), 0);
    EXPECT_EQ(unit->CellIndex(1)[0], pool);  // appended, not put in the empty slot
    EXPECT_EQ(unit->AntecedentText(1, 1), "sm");
}

TEST(Aliases, KeepSettingsAliveAndPassOwnershipOnDelete) {
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->AddAntecedent(CFuzzyVariable("X2", unit->Variable(0).SharedSettings(), 301), 0);
    unit->AddAntecedent(CFuzzyVariable("X3", unit->Variable(0).SharedSettings(), 301), 0);
    EXPECT_EQ(unit->AliasOwner(0), CRuleBase::kNoVariable);
    EXPECT_EQ(unit->AliasOwner(2), 0);
    const CSettings* shared = &unit->Settings(0);
    unit->DeleteVariable(0);
    EXPECT_EQ(&unit->Settings(0), shared);
    EXPECT_EQ(unit->AliasOwner(0), CRuleBase::kNoVariable);
    EXPECT_EQ(unit->AliasOwner(1), 0);
    EXPECT_EQ(unit->Cell(0, 0).OwnerIndex(), 0);  // the shared cell passed to the next holder
    EXPECT_EQ(unit->Cell(0, 0).RefCount(), 2);
    unit->Compile();
    EXPECT_GT(Fuzzy(*unit, 1, 0).Degree(0.0), 0.99);
}

TEST(Copies, AreIndependentDocumentsThatKeepTheSharingOfVocabularies) {
    auto unit = CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/fan.rb");
    unit->AddAntecedent(CFuzzyVariable("again", unit->Variable(0).SharedSettings(), unit->Discretization(0)), 0);
    const CRuleBase before = *unit;
    CRuleBase copy = *unit;
    ExpectSameUnit(copy, *unit);
    EXPECT_NE(&copy.Settings(0), &unit->Settings(0));
    const double x[] = {60, 50, 60};
    EXPECT_EQ(copy.Evaluate(x), unit->Evaluate(x));

    copy.Settings(0).setContext(0, 500);
    std::vector<RuleRow> rules = copy.Rules();
    rules.pop_back();
    copy.SetRules(rules);
    EXPECT_EQ(copy.Settings(2).high(), 500) << "the alias follows its owner's copy";
    ExpectSameUnit(*unit, before);
    Workspace workspace;
    EXPECT_EQ(unit->Evaluate(x), before.Compiled()->evaluate(x, workspace));
    const CRuleBase moved = std::move(copy);
    EXPECT_EQ(moved.RuleCount(), unit->RuleCount() - 1);
}

TEST(Aliases, OwnerAndLookupFollowTheScanOrder) {
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->AddSuccedent(CFuzzyVariable("X", unit->Variable(0).SharedSettings(), 301), -1);
    EXPECT_EQ(unit->FindVariable("X"), -2);
    EXPECT_EQ(unit->FindVariable("Y"), -1);
    EXPECT_EQ(unit->FindVariable("Q"), CRuleBase::kNoVariable);
    EXPECT_EQ(unit->AliasOwner(0), -2);
    EXPECT_EQ(unit->AliasOwner(-2), CRuleBase::kNoVariable);
    EXPECT_FALSE(unit->IsVariable(CRuleBase::kNoVariable));
}

TEST(Variables, DeletingTheLastInputRemovesEveryRule) {
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->DeleteVariable(0);
    EXPECT_EQ(unit->RuleCount(), 0);
    EXPECT_TRUE(unit->CellIndex(-1).empty());
    EXPECT_EQ(LiveCells(*unit), 0);
    unit->AddAntecedent(CFuzzyVariable("A", std::make_shared<CLinguisticSettings>(0, 1), 301), CRuleBase::kNoVariable);
    EXPECT_EQ(unit->RuleCount(), 0);
}

TEST(Variables, AddingAnInputCopiesTheTemplateAndRefusesLinearSettings) {
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    EXPECT_THROW(unit->AddAntecedent(CFuzzyVariable("L", std::make_shared<CLinCSettings>(0, 1), 301), 0),
                 std::invalid_argument);
    EXPECT_THROW(unit->AddAntecedent(CFuzzyVariable("N", std::make_shared<CLinguisticSettings>(0, 1), 301),
                                     CRuleBase::kNoVariable),
                 std::invalid_argument);
    EXPECT_EQ(unit->AntecedentCount(), 1);
    unit->AddAntecedent(CFuzzyVariable("N", std::make_shared<CLinguisticSettings>(0, 2), 51), 0);
    EXPECT_EQ(unit->AntecedentText(1, 0), "ze");
    EXPECT_EQ(Fuzzy(*unit, 1, 0).SampleCount(), 51);
    EXPECT_EQ(unit->Compiled()->antecedentCount(), 2);
}

TEST(Variables, LinearCellsFollowTheNumberOfInputs) {
    auto unit = CRuleBase::Create(DescriptionType::takagi_sugeno);
    unit->SetRules({{"1", "sm", "1 + 2 x1"}});
    unit->AddAntecedent(CFuzzyVariable("X2", std::make_shared<CLinguisticSettings>(0, 1), 301), 0);
    const auto& cell = dynamic_cast<const CLinCValue&>(unit->Cell(-1, 0));
    EXPECT_EQ(cell.Coefficients(), (std::vector<double>{1.0, 2.0, 0.0}));
}

TEST(Rules, SetRulesRefusesRowsOfTheWrongWidthAndKeepsTheRules) {
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    const auto before = unit->Rules();
    EXPECT_THROW(unit->SetRules({{"1", "sm"}}), std::invalid_argument);
    EXPECT_THROW(unit->SetRules(std::vector<std::vector<std::string>>{{}}), std::invalid_argument);
    EXPECT_EQ(unit->Rules(), before);
}

TEST(Rules, CompileFinishesEveryCellAndThenReportsTheFirstFailure) {
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    try {
        unit->SetRules({{"1", "sm big", "bi"}, {"1", "bi", "((sm"}});
        FAIL();
    } catch (const ESyntax& error) {
        EXPECT_EQ(error.message(), "connective expected");
    }
    EXPECT_TRUE(unit->Cell(0, 0).CompileError().has_value());
    const CFuzValue& failed = Fuzzy(*unit, 0, 0);
    EXPECT_EQ(failed.SampleCount(), 301);
    EXPECT_GT(failed.FirstNonZero(), failed.LastNonZero());
    EXPECT_FALSE(unit->Cell(-1, 0).CompileError().has_value());
    EXPECT_GT(Fuzzy(*unit, -1, 0).Degree(1.0), 0.99);
    EXPECT_EQ(unit->Compiled()->ruleCount(), 2);
}

TEST(Rules, SpecificityAddsTheRanksOfLinguisticInputs) {
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->AddAntecedent(CFuzzyVariable("B", std::make_shared<CLinguisticSettings>(0, 1), 301), 0);
    // "ze" has no set in a triang vocabulary over <0, 1>: the variable is added and the failure reported.
    EXPECT_THROW(unit->AddAntecedent(CFuzzyVariable("T", std::make_shared<CTriangSettings>(0, 1), 301), 0), ESyntax);
    EXPECT_EQ(unit->AntecedentCount(), 3);
    unit->SetRules({{"1", "sm", "ex bi", "sm", "ze"},
                    {"1", "ignor", "sm", "sm", "ze"},
                    {"1", "sm and bi", "ze", "me", "ze"}});
    EXPECT_EQ(unit->Specificity(0), 19 + 12);
    EXPECT_EQ(unit->Specificity(1), 0);
    EXPECT_EQ(unit->Specificity(2), 30 + 8);
}

TEST(CompiledCells, OfferTheSetsMembershipWithoutVirtualCalls) {
    auto unit = CRuleBase::Create(DescriptionType::linguistic);
    unit->Settings(0).setContext(-2, 3);
    unit->SetRules({{"1", "ml me", "ze"}});
    const CFuzValue& cell = Fuzzy(*unit, 0, 0);
    ASSERT_EQ(cell.SampleCount(), 301);
    EXPECT_EQ(cell.Set().typeName(), "ocmpset");
    for (int j = 0; j < cell.SampleCount(); ++j) {
        const bool inside = j >= cell.FirstNonZero() && j <= cell.LastNonZero();
        EXPECT_EQ(cell.Samples()[j] != 0.0, inside && cell.Samples()[j] != 0.0);
        EXPECT_EQ(cell.Samples()[j], cell.Set().valueAt(j));
    }
    EXPECT_EQ(cell.Samples()[cell.FirstNonZero()] > 0.0, true);
    EXPECT_EQ(cell.Samples()[cell.LastNonZero()] > 0.0, true);
    for (double x = -3; x <= 4; x += 0.0137) EXPECT_EQ(cell.Degree(x), cell.Set().membership(x)) << x;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(cell.Degree(nan), cell.Set().membership(nan));
}

}  // namespace
}  // namespace zorv::test
