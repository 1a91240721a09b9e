#include "app/core/variables/VariableChecker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TestUnits.h"

namespace zorv {
namespace {

using test::VariableTestUnits;

constexpr int kSpeed = 0;
constexpr int kLoad = 1;
constexpr int kPower = ~0;

struct FieldCase {
    const char* label;
    int variable;
    VariableFields fields;
    std::string expected;  // empty: the checks pass
};

class VariableCheckerFields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(VariableCheckerFields, GiveTheFirstFailingMessage) {
    const FieldCase& c = GetParam();
    const auto unit = VariableTestUnits::Linguistic({{"sm", "-sm", "bi"}, {"me", "ze", "about 50"}});
    const auto message =
        VariableChecker().check(*unit, VariableChecker::EditSubject(*unit, c.variable), c.fields);
    if (c.expected.empty()) {
        EXPECT_FALSE(message) << message->text;
    } else {
        ASSERT_TRUE(message);
        EXPECT_EQ(message->text, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EditMode, VariableCheckerFields,
    ::testing::Values(
        FieldCase{"unchanged", kSpeed, {"speed", "0", "10", "301"}, ""},
        FieldCase{"nameOfOtherInput", kSpeed, {"load", "0", "10", "301"}, "Variable name is already used!"},
        FieldCase{"outputsMayShareInputNames", kPower, {"speed", "0", "100", "301"}, ""},
        FieldCase{"comma", kSpeed, {"sp,eed", "0", "10", "301"},
                  "Name of variable cannot be stored in a rulebase file: it holds a comma."},
        FieldCase{"controlCharacter", kPower, {"po\twer", "0", "100", "301"},
                  "Name of variable cannot be stored in a rulebase file: it holds a control character."},
        FieldCase{"emptyName", kSpeed, {"", "0", "10", "301"},
                  "Name of variable cannot be stored in a rulebase file: it is empty."},
        FieldCase{"blankAtEnd", kSpeed, {"speed ", "0", "10", "301"},
                  "Name of variable cannot be stored in a rulebase file: it begins or ends with a blank."},
        FieldCase{"lowNotANumber", kSpeed, {"speed", "zero", "10", "301"}, "Something is wrong!"},
        FieldCase{"highNotFinite", kSpeed, {"speed", "0", "inf", "301"}, "Something is wrong!"},
        FieldCase{"highEmpty", kSpeed, {"speed", "0", "", "301"}, "Something is wrong!"},
        FieldCase{"equalBounds", kSpeed, {"speed", "3", "3", "301"}, "Low bound is greater or equal to high bound!"},
        FieldCase{"reversedBounds", kSpeed, {"speed", "10", "0", "301"},
                  "Low bound is greater or equal to high bound!"},
        FieldCase{"widthNotFinite", kLoad, {"load", "-1e308", "1e308", "301"}, "The context is too wide!"},
        FieldCase{"negativeTermsNeedNegativeLow", kLoad, {"load", "0", "5", "301"},
                  "Rulebase contains negative expressions for not symetrical bounds!"},
        FieldCase{"negativeLowAcceptsThem", kLoad, {"load", "-1", "5", "301"}, ""},
        FieldCase{"discretization19", kSpeed, {"speed", "0", "10", "19"}, "Discretization is out of range"},
        FieldCase{"discretization20", kSpeed, {"speed", "0", "10", "20"}, ""},
        FieldCase{"discretization1000", kSpeed, {"speed", "0", "10", "1000"}, ""},
        FieldCase{"discretization1001", kSpeed, {"speed", "0", "10", "1001"}, "Discretization is out of range"},
        FieldCase{"discretizationNotInteger", kSpeed, {"speed", "0", "10", "30.5"},
                  "'30.5' is not a valid integer value"},
        FieldCase{"symmetricEven", kLoad, {"load", "-5.3", "5.7", "300"},
                  "Discretization for symetrical variable must be odd value!"},
        FieldCase{"symmetricOdd", kLoad, {"load", "-5.3", "5.7", "301"}, ""},
        FieldCase{"notSymmetricEven", kSpeed, {"speed", "0", "10", "300"}, ""}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(VariableCheckerTest, BoundsThatAreNotNumbersGiveAWarning) {
    const auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    const auto message =
        VariableChecker().check(*unit, VariableChecker::EditSubject(*unit, kSpeed), {"speed", "1,5", "10", "301"});
    ASSERT_TRUE(message);
    EXPECT_EQ(message->caption, "Warning");
    EXPECT_TRUE(message->warning);
}

TEST(VariableCheckerTest, AddModeLooksAtTheVariableCopiedFrom) {
    const auto unit = VariableTestUnits::Linguistic({{"sm", "-sm", "bi"}});
    const VariableCheckSubject copyOfLoad{true, CRuleBase::kNoVariable, kLoad, false};
    EXPECT_EQ(VariableChecker().check(*unit, copyOfLoad, {"Copy_load", "0", "5", "301"})->text,
              "Rulebase contains negative expressions for not symetrical bounds!");
    // Nothing is skipped in the name comparison of a new variable.
    EXPECT_EQ(VariableChecker().check(*unit, copyOfLoad, {"load", "-5", "5", "301"})->text,
              "Variable name is already used!");
}

TEST(VariableCheckerTest, LinearVocabulariesEndBeforeTheDiscretizationAndKeepTheirSubtractions) {
    const auto unit = VariableTestUnits::Singleton({{"sm", "1 - 0.5*x1"}});
    const auto subject = VariableChecker::EditSubject(*unit, ~0);
    EXPECT_TRUE(subject.linear);
    EXPECT_FALSE(VariableChecker().check(*unit, subject, {"y", "0", "10", "not used"}));
}

TEST(VariableCheckerTest, StoredVariablesAreCheckedAsTheyAre) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}});
    EXPECT_FALSE(VariableChecker().check(*unit, kSpeed));
    EXPECT_FALSE(VariableChecker().check(*unit, kPower));
    unit->Variable(kLoad).SetName("speed");
    EXPECT_EQ(VariableChecker().check(*unit, kLoad), "Variable name is already used!");
}

TEST(VariableCheckerTest, StoredSymmetricVariableWithEvenGridIsRefused) {
    auto unit = std::make_unique<CRuleBase>(DescriptionType::linguistic);
    unit->AddAntecedent(CFuzzyVariable("x", std::make_shared<CLinguisticSettings>(-1.0, 1.0), 300),
                        CRuleBase::kNoVariable);
    EXPECT_EQ(VariableChecker().check(*unit, 0), "Discretization for symetrical variable must be odd value!");
}

TEST(VariableCheckerTest, StoredBoundsAreComparedExactly) {
    auto unit = std::make_unique<CRuleBase>(DescriptionType::linguistic);
    unit->AddAntecedent(CFuzzyVariable("x", std::make_shared<CLinguisticSettings>(0.1 + 0.2, 0.30000000000000010), 301),
                        CRuleBase::kNoVariable);
    // 0.1 + 0.2 lies just below the high bound; a rounded text would make them equal.
    EXPECT_FALSE(VariableChecker().check(*unit, 0));
}

}  // namespace
}  // namespace zorv
