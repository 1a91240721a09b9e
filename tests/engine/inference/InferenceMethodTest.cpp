#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "LiteralInference.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/ERefused.h"
#include "inference/InferenceMethodTable.h"
#include "inference/compiled/Workspace.h"
#include "rulebase/CFuzValue.h"
#include "tests/support/TestUnits.h"

namespace zorv::test {

namespace {

const InferenceMethodEntry& Row(int i) { return InferenceMethodTable()[static_cast<std::size_t>(i)]; }
const InferenceMethodEntry& Cnf() { return Row(0); }
const InferenceMethodEntry& Deduction() { return Row(1); }
const InferenceMethodEntry& DnfMin() { return Row(3); }

std::vector<double> Values(const CFuzzyDiscreteSet& set) { return {set.values().begin(), set.values().end()}; }

std::vector<double> ConsequentOf(const CRuleBase& unit, int rule) {
    const auto& cell = static_cast<const CFuzValue&>(unit.Cell(-1, rule));
    return {cell.Samples(), cell.Samples() + cell.SampleCount()};
}

// "triang" vocabulary on <0, 1> sampled at 101 points: small = (0, 0, 0.5), medium = (0.25, 0.5, 0.75),
// big = (0.5, 1, 1); grid points are exact multiples of 0.01.
std::unique_ptr<CRuleBase> TriangUnit(const std::vector<RuleRow>& rules) {
    return MakeUnit(DescriptionType::linguistic, {{0.0, 1.0, 101, Vocabulary::Triang}},
                    {0.0, 1.0, 101, Vocabulary::Triang}, rules);
}

std::vector<double> Clipped(std::vector<double> b, double level) {
    for (double& v : b) v = std::min(v, level);
    return b;
}

}  // namespace

TEST(CnfInference, FullDegreeGivesTheConsequentAndZeroDegreeAllOnes) {
    Workspace ws;
    auto unit = TriangUnit({Rule({"sm", "bi"})});
    CFuzzyDiscreteSet conclusion;
    const double atPeak = 0.0;
    Cnf().crisp(*unit->Compiled(), ws, &atPeak, conclusion);
    EXPECT_EQ(Values(conclusion), ConsequentOf(*unit, 0));
    EXPECT_EQ(ws.firedCount, 1);
    const double outside = 0.8;
    Cnf().crisp(*unit->Compiled(), ws, &outside, conclusion);
    EXPECT_EQ(Values(conclusion), std::vector<double>(101, 1.0));
    EXPECT_EQ(ws.firedCount, 0);
    EXPECT_EQ(ws.fired, std::vector<std::uint8_t>{0});
}

TEST(CnfInference, ARuleThatOnlyTiesTheMinimumIsNotMarked) {
    Workspace ws;
    auto unit = TriangUnit({Rule({"sm", "bi"}), Rule({"sm", "bi"})});
    CFuzzyDiscreteSet conclusion;
    const double x = 0.1;
    Cnf().crisp(*unit->Compiled(), ws, &x, conclusion);
    EXPECT_EQ(ws.fired, (std::vector<std::uint8_t>{1, 0}));
    EXPECT_EQ(ws.firedCount, 1);
}

TEST(DnfInference, DegreeClipsTheConsequent) {
    Workspace ws;
    auto unit = TriangUnit({Rule({"sm", "bi"})});
    CFuzzyDiscreteSet conclusion;
    const double atPeak = 0.0;
    DnfMin().crisp(*unit->Compiled(), ws, &atPeak, conclusion);
    EXPECT_EQ(Values(conclusion), ConsequentOf(*unit, 0));
    const double half = 0.25;  // small has degree 0.5 here
    DnfMin().crisp(*unit->Compiled(), ws, &half, conclusion);
    EXPECT_EQ(Values(conclusion), Clipped(ConsequentOf(*unit, 0), 0.5));
    EXPECT_EQ(ws.firedCount, 1);
}

TEST(DnfInference, OverlappingRulesAreMarkedWhereTheyRaiseTheMaximum) {
    Workspace ws;
    // At 0.3 small has degree 0.4 and medium 0.2; the medium rule's consequent lies under the small rule's.
    auto unit = TriangUnit({Rule({"sm", "me"}), Rule({"me", "me"}), Rule({"me", "bi"})});
    CFuzzyDiscreteSet conclusion;
    const double x = 0.3;
    DnfMin().crisp(*unit->Compiled(), ws, &x, conclusion);
    EXPECT_EQ(ws.fired, (std::vector<std::uint8_t>{1, 0, 1}));
    EXPECT_EQ(ws.firedCount, 2);
}

TEST(InferenceMethods, NoEnabledRule) {
    Workspace ws;
    auto unit = TriangUnit({Rule({"sm", "bi"}, false), Rule({"me", "sm"}, false)});
    CFuzzyDiscreteSet conclusion;
    const double x = 0.1;
    struct Expectation {
        int row;
        double everywhere;
    };
    for (const Expectation e : {Expectation{0, 1.0}, Expectation{1, 0.0}, Expectation{3, 0.0}, Expectation{4, 0.0},
                                Expectation{5, 0.0}}) {
        SCOPED_TRACE(e.row);
        ws.firedCount = -1;
        const ConclusionRange range = Row(e.row).crisp(*unit->Compiled(), ws, &x, conclusion);
        EXPECT_EQ(Values(conclusion), std::vector<double>(101, e.everywhere));
        EXPECT_EQ(ws.firedCount, 0);
        EXPECT_TRUE(e.everywhere == 1.0 || range.empty());
    }
}

TEST(LogicalDeduction, AmongRulesAboveTheThresholdTheLowerSpecificityWins) {
    Workspace ws;
    // At 0 both "sm" and "ex sm" have degree 1, above the threshold 0.8 there.
    auto unit = MakeSimpleUnit({Rule({"sm", "bi"}), Rule({"ex sm", "me"})});
    ASSERT_NE(unit->Specificity(0), unit->Specificity(1));
    const int kept = unit->Specificity(0) < unit->Specificity(1) ? 0 : 1;
    CFuzzyDiscreteSet conclusion;
    const double x = 0.0;
    Deduction().crisp(*unit->Compiled(), ws, &x, conclusion);
    std::vector<std::uint8_t> fired{0, 0};
    fired[static_cast<std::size_t>(kept)] = 1;
    EXPECT_EQ(ws.fired, fired);
    EXPECT_EQ(ws.firedCount, 1);
}

TEST(LogicalDeduction, RulesOfEqualSpecificityAllFire) {
    Workspace ws;
    auto unit = MakeSimpleUnit({Rule({"sm", "bi"}), Rule({"sm", "me"}), Rule({"bi", "sm"})});
    CFuzzyDiscreteSet conclusion;
    const double x = 0.0;
    Deduction().crisp(*unit->Compiled(), ws, &x, conclusion);
    EXPECT_EQ(ws.fired, (std::vector<std::uint8_t>{1, 1, 0}));
    EXPECT_EQ(ws.firedCount, 2);
    EXPECT_EQ(Values(conclusion), literal::LogicalDeduction(*unit, &x).conclusion);
}

TEST(LogicalDeduction, NoRuleOfPositiveDegreeGivesAllZeros) {
    Workspace ws;
    auto unit = TriangUnit({Rule({"sm", "bi"})});
    CFuzzyDiscreteSet conclusion;
    const double x = 0.9;
    const ConclusionRange range = Deduction().crisp(*unit->Compiled(), ws, &x, conclusion);
    EXPECT_EQ(Values(conclusion), std::vector<double>(101, 0.0));
    EXPECT_TRUE(range.empty());
    EXPECT_EQ(ws.firedCount, 0);
}

TEST(LogicalDeduction, SingleRuleOfFullDegreeGivesItsConsequent) {
    Workspace ws;
    // bestRaw = 1: where B = 0 the conclusion is 1 - 1 = 0, elsewhere I(1, B) = B.
    auto unit = TriangUnit({Rule({"sm", "bi"})});
    CFuzzyDiscreteSet conclusion;
    const double x = 0.0;
    Deduction().crisp(*unit->Compiled(), ws, &x, conclusion);
    EXPECT_EQ(Values(conclusion), ConsequentOf(*unit, 0));
}

TEST(LogicalDeduction, ThresholdOfZeroStillSelects) {
    Workspace ws;
    // With a lower perception value of 0 the threshold is 0 at 40 % of the context; the first rule of positive
    // degree founds the selection there instead of comparing with an empty one.
    auto unit = TriangUnit({Rule({"me", "bi"}), Rule({"sm", "me"})});
    unit->SetPerceptionLower(0.0);
    CFuzzyDiscreteSet conclusion;
    const double x = 0.4;
    Deduction().crisp(*unit->Compiled(), ws, &x, conclusion);
    const literal::Outcome expected = literal::LogicalDeduction(*unit, &x);
    EXPECT_EQ(Values(conclusion), expected.conclusion);
    EXPECT_EQ(ws.fired, expected.fired);
    EXPECT_GE(ws.firedCount, 1);
}

TEST(InferenceMethods, AliasAntecedentsSharingACellReadTheirOwnInputs) {
    Workspace ws;
    auto unit = MakeUnit(DescriptionType::linguistic, {{0.0, 1.0, 101}}, {0.0, 1.0, 101}, {});
    unit->AddAntecedent(CFuzzyVariable("x2", unit->Variable(0).SharedSettings(), 101), CRuleBase::kNoVariable);
    unit->SetRules(std::vector<RuleRow>{Rule({"sm", "sm", "bi"}), Rule({"sm", "bi", "me"})});
    ASSERT_EQ(unit->CellIndex(0)[0], unit->CellIndex(1)[0]);  // one cell for both antecedents
    const double x[] = {0.0, 1.0};                             // small: 1 on x1, 0 on x2
    CFuzzyDiscreteSet conclusion;
    DnfMin().crisp(*unit->Compiled(), ws, x, conclusion);
    EXPECT_EQ(ws.fired, (std::vector<std::uint8_t>{0, 1}));
    EXPECT_EQ(Values(conclusion), literal::Dnf(*unit, x, literal::TNorm::Minimum).conclusion);
}

TEST(TakagiSugeno, WeightedAverageOfTheRuleOutputs) {
    Workspace ws;
    auto unit = MakeUnit(DescriptionType::singleton, {{0.0, 1.0, 101, Vocabulary::Triang}},
                         {0.0, 10.0, 101, Vocabulary::Linear}, {Rule({"sm", "2"}), Rule({"me", "6"}), Rule({"bi", "9"})});
    const double x = 0.3;  // small 0.4, medium 0.2, big 0
    EXPECT_NEAR(unit->Evaluate(&x, ws), (0.4 * 2 + 0.2 * 6) / 0.6, 1e-12);
    EXPECT_EQ(ws.fired, (std::vector<std::uint8_t>{1, 1, 0}));
    EXPECT_EQ(ws.firedCount, 2);
    std::vector<std::uint8_t> fired;
    EXPECT_EQ(unit->Evaluate(&x, ws), literal::TakagiSugeno(*unit, &x, &fired));
    EXPECT_EQ(ws.fired, fired);
}

TEST(TakagiSugeno, LinearConsequentsOfATakagiSugenoUnitAreEvaluated) {
    auto unit = MakeUnit(DescriptionType::takagi_sugeno, {{0.0, 1.0, 101, Vocabulary::Triang}},
                         {0.0, 10.0, 101, Vocabulary::Linear}, {Rule({"sm", "1 + 2*x1"}), Rule({"bi", "4 - x1"})});
    const double x = 0.2;  // small 0.6, big 0
    EXPECT_NEAR(unit->Evaluate(&x), 1 + 2 * 0.2, 1e-12);
    const double y = 0.7;  // small 0, big 0.4
    EXPECT_NEAR(unit->Evaluate(&y), 4 - 0.7, 1e-12);
}

TEST(TakagiSugeno, NoWeightGivesTheMidpoint) {
    Workspace ws;
    auto unit = MakeUnit(DescriptionType::singleton, {{0.0, 1.0, 101, Vocabulary::Triang}},
                         {2.0, 10.0, 101, Vocabulary::Linear}, {Rule({"sm", "3"}), Rule({"me", "5"}, false)});
    const double x = 0.9;
    EXPECT_EQ(unit->Evaluate(&x, ws), 6.0);
    EXPECT_EQ(ws.firedCount, 0);
}

TEST(Evaluate, TypeAndMethodThatDoNotGoTogetherAreRefused) {
    const double x = 0.9;
    auto linguistic = TriangUnit({Rule({"sm", "bi"})});
    linguistic->SetInferenceMethod(TakagiSugenoMethod());
    ASSERT_TRUE(linguistic->Compiled()->refusal());
    EXPECT_NE(linguistic->Compiled()->refusal()->find("Takagi-Sugeno"), std::string::npos);
    EXPECT_THROW(linguistic->Evaluate(&x), ERefused);
    auto singleton = MakeUnit(DescriptionType::singleton, {{0.0, 1.0, 101, Vocabulary::Triang}},
                              {2.0, 10.0, 101, Vocabulary::Linear}, {Rule({"sm", "3"})});
    singleton->SetInferenceMethod(LogicalDeductionMethod());
    EXPECT_THROW(singleton->Evaluate(&x), ERefused);
    singleton->SetInferenceMethod(TakagiSugenoMethod());
    EXPECT_EQ(singleton->Evaluate(&x), 6.0);
}

TEST(Evaluate, LinguisticUnitsInferThenDefuzzify) {
    Workspace ws;
    auto unit = TriangUnit({Rule({"sm", "bi"}), Rule({"me", "me"}), Rule({"bi", "sm"})});
    for (std::size_t d = 0; d < 6; ++d) {
        const auto& defuzzifier = DefuzzificationMethodTable()[d];
        unit->SetDefuzzificationMethod(defuzzifier);
        for (const int row : {0, 1, 3, 4, 5}) {
            unit->SetInferenceMethod(Row(row));
            for (const double x : {0.0, 0.1, 0.33, 0.5, 0.77, 1.0}) {
                SCOPED_TRACE(std::to_string(d) + "/" + std::to_string(row) + "/" + std::to_string(x));
                CFuzzyDiscreteSet conclusion;
                Row(row).crisp(*unit->Compiled(), ws, &x, conclusion);
                EXPECT_EQ(unit->Evaluate(&x), defuzzifier.method(*unit->Compiled(), ws, conclusion));
            }
        }
    }
}

TEST(Evaluate, FuzzyInputRowsTakeCrispInputsAsSingletons) {
    Workspace ws;
    // On grid points a singleton input gives the functional method the DNF-with-minimum conclusion.
    auto unit = TriangUnit({Rule({"sm", "bi"}), Rule({"me", "me"}), Rule({"bi", "sm"})});
    for (const double x : {0.0, 0.13, 0.3, 0.62, 1.0}) {
        CFuzzyDiscreteSet viaSingleton;
        CFuzzyDiscreteSet direct;
        InferConclusion(Row(6), *unit->Compiled(), ws, &x, viaSingleton);
        DnfMin().crisp(*unit->Compiled(), ws, &x, direct);
        EXPECT_EQ(Values(viaSingleton), Values(direct));
        EXPECT_EQ(ws.inputs, std::vector<double>{x});
    }
    unit->SetInferenceMethod(Row(2));
    const double x = 0.3;
    EXPECT_EQ(unit->Evaluate(&x), literal::SimpleDee(literal::ConclusionOf(*unit, literal::Infer(*unit, 2, &x).conclusion)));
    EXPECT_THROW(InferConclusion(TakagiSugenoMethod(), *unit->Compiled(), ws, &x, ws.conclusion), ERefused);
}

TEST(Evaluate, AllocatesTheConclusionOnce) {
    Workspace ws;
    auto unit = TriangUnit({Rule({"sm", "bi"}), Rule({"bi", "sm"})});
    const double x = 0.2;
    unit->Evaluate(&x, ws);
    const double* samples = ws.conclusion.values().data();
    for (const double y : {0.1, 0.5, 0.9}) unit->Evaluate(&y, ws);
    EXPECT_EQ(ws.conclusion.values().data(), samples);
}

TEST(Evaluate, EachCallersWorkspaceKeepsItsOwnEvaluation) {
    const auto unit = TriangUnit({Rule({"sm", "bi"}), Rule({"me", "me"}), Rule({"bi", "sm"})});
    Workspace near;
    Workspace far;
    const double x = 0.1;
    const double y = 0.9;
    unit->Evaluate(&x, near);
    unit->Evaluate(&y, far);
    EXPECT_EQ(near.inputs, std::vector<double>{x});
    EXPECT_EQ(near.fired, (std::vector<std::uint8_t>{1, 0, 0}));
    EXPECT_EQ(far.fired, (std::vector<std::uint8_t>{0, 0, 1}));
    EXPECT_EQ(unit->Evaluate(&x), unit->Evaluate(&x, near)) << "a workspace of its own gives the same value";
}

TEST(SmoothDefuzzification, RefusesANeighbourhoodOfTooManyInferences) {
    std::vector<VariableLayout> inputs(5, VariableLayout{0.0, 1.0, 11, Vocabulary::Triang});
    auto unit = MakeUnit(DescriptionType::linguistic, inputs, {0.0, 1.0, 11, Vocabulary::Triang},
                         {Rule({"sm", "sm", "sm", "sm", "sm", "bi"})});
    unit->SetDefuzzificationMethod(DefuzzificationMethodTable()[6]);
    const double x[] = {0.5, 0.5, 0.5, 0.5, 0.5};  // 81^5 inferences at 100 steps
    EXPECT_THROW(unit->Evaluate(x), ERefused);
    unit->SetSteps(25);  // 21^5 = 4,084,101 inferences: allowed, but not run here
    unit->SetSteps(10);  // 9^5 = 59,049
    EXPECT_NO_THROW(unit->Evaluate(x));
}

TEST(SmoothDefuzzification, KeepsTheStateOfTheInferenceAtTheInputs) {
    Workspace ws;
    auto unit = TriangUnit({Rule({"sm", "bi"}), Rule({"me", "me"}), Rule({"bi", "sm"})});
    unit->SetDefuzzificationMethod(DefuzzificationMethodTable()[6]);
    unit->SetInferenceMethod(DnfMin());
    const double x = 0.05;  // only "small" fires here; the neighbourhood reaches 0.15
    unit->Evaluate(&x, ws);
    EXPECT_EQ(ws.inputs, std::vector<double>{x});
    EXPECT_EQ(ws.fired, (std::vector<std::uint8_t>{1, 0, 0}));
    EXPECT_EQ(ws.firedCount, 1);
}

TEST(SmoothDefuzzification, WithoutWeightTheValueAtTheInputsIsReturned) {
    Workspace ws;
    // One step: R = 0, so each axis holds only its first point, a foot of the weight window (weight 0).
    auto unit = TriangUnit({Rule({"sm", "bi"}), Rule({"bi", "sm"})});
    unit->SetDefuzzificationMethod(DefuzzificationMethodTable()[6]);
    unit->SetInferenceMethod(DnfMin());
    unit->SetSteps(1);
    const double x = 0.3;
    CFuzzyDiscreteSet conclusion;
    DnfMin().crisp(*unit->Compiled(), ws, &x, conclusion);
    const double simple = SimpleDeeMethod().method(*unit->Compiled(), ws, conclusion);
    EXPECT_EQ(unit->Evaluate(&x), simple);
    EXPECT_EQ(literal::Smooth(*unit, 3, &x), 0.0);  // the unmended average would answer 0
}

TEST(SmoothDefuzzification, AveragesSimpleDeeAroundTheInputs) {
    auto unit = TriangUnit({Rule({"sm", "sm"}), Rule({"me", "me"}), Rule({"bi", "bi"})});
    unit->SetDefuzzificationMethod(DefuzzificationMethodTable()[6]);
    unit->SetInferenceMethod(DnfMin());
    unit->SetSteps(25);
    const double x = 0.5;
    EXPECT_EQ(unit->Evaluate(&x), literal::Smooth(*unit, 3, &x));
    EXPECT_NEAR(unit->Evaluate(&x), 0.5, 0.05);
}

}  // namespace zorv::test
