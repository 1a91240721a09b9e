#include "app/core/testwindow/UnitMethodChoices.h"

#include <gtest/gtest.h>

#include "app/core/variables/UnitVariableRows.h"
#include "inference/DefuzzificationMethodTable.h"
#include "rulebase/CRuleBase.h"

namespace zorv {
namespace {

TEST(UnitMethodChoices, TypeCaptions) {
    EXPECT_EQ(UnitMethodChoices::typeCaption(DescriptionType::linguistic), "Linguistic");
    EXPECT_EQ(UnitMethodChoices::typeCaption(DescriptionType::singleton), "TS-Singleton");
    EXPECT_EQ(UnitMethodChoices::typeCaption(DescriptionType::takagi_sugeno), "Unknown");
}

TEST(UnitMethodChoices, LinguisticUnitOffersFiveInferencesAndSevenDefuzzifications) {
    const auto unit = CRuleBase::Create(DescriptionType::linguistic);
    const UnitMethodChoices choices(unit->descriptionType());
    EXPECT_EQ(choices.inferenceNames(),
              (std::vector<std::string>{"Perception-based Logical Deduction", "Fuzzy Approximation (CNF)",
                                        "Fuzzy Approximation (DNF) with Minimum",
                                        "Fuzzy Approximation (DNF) with Product",
                                        "Fuzzy Approximation (DNF) with Lukasiewicz"}));
    EXPECT_EQ(choices.inferenceIndex(*unit), 0);
    ASSERT_EQ(choices.defuzzificationNames().size(), 7u);
    EXPECT_EQ(choices.defuzzificationNames()[6], "Smooth Deffuzification of Linguistic Expressions");
    EXPECT_EQ(choices.defuzzificationIndex(*unit), 2);
    EXPECT_TRUE(choices.defuzzificationShown());
}

TEST(UnitMethodChoices, SingletonUnitOffersTakagiSugenoOnlyAndNoDefuzzification) {
    const auto unit = CRuleBase::Create(DescriptionType::singleton);
    const UnitMethodChoices choices(unit->descriptionType());
    EXPECT_EQ(choices.inferenceNames(), (std::vector<std::string>{"Takagi-Sugeno Inference"}));
    EXPECT_EQ(choices.inferenceIndex(*unit), 0);
    EXPECT_FALSE(choices.defuzzificationShown());
    EXPECT_TRUE(choices.defuzzificationNames().empty());
    EXPECT_EQ(choices.defuzzificationIndex(*unit), -1);
}

TEST(UnitMethodChoices, ChoosingSetsTheMethodAndIgnoresIndexesOutOfRange) {
    const auto unit = CRuleBase::Create(DescriptionType::linguistic);
    const UnitMethodChoices choices(unit->descriptionType());
    choices.chooseInference(*unit, 3);
    EXPECT_EQ(choices.inferenceIndex(*unit), 3);
    for (const int bad : {-1, 5, 100}) {
        choices.chooseInference(*unit, bad);
        EXPECT_EQ(choices.inferenceIndex(*unit), 3);
    }
    for (const int bad : {-1, 7, 100}) {
        choices.chooseDefuzzification(*unit, bad);
        EXPECT_EQ(choices.defuzzificationIndex(*unit), 2);
    }
    choices.chooseDefuzzification(*unit, 0);
    EXPECT_EQ(unit->DefuzzificationMethod().fileKey, "SimpleCenterOfGravity");
}

TEST(UnitMethodChoices, SmoothDefuzzificationSwitchesTheFilterOff) {
    const auto unit = CRuleBase::Create(DescriptionType::linguistic);
    const UnitMethodChoices choices(unit->descriptionType());
    unit->SetUseFuzzyFilter(true);
    choices.chooseDefuzzification(*unit, 5);
    EXPECT_TRUE(unit->UseFuzzyFilter());
    EXPECT_TRUE(UnitMethodChoices::filterAvailable(*unit));
    choices.chooseDefuzzification(*unit, 6);
    EXPECT_FALSE(unit->UseFuzzyFilter());
    EXPECT_FALSE(UnitMethodChoices::filterAvailable(*unit));
    choices.chooseDefuzzification(*unit, 1);
    EXPECT_TRUE(UnitMethodChoices::filterAvailable(*unit));
    EXPECT_FALSE(unit->UseFuzzyFilter());
}

TEST(UnitVariableRows, NamesAndBoundsWithTwoDecimals) {
    const auto unit = CRuleBase::LoadFromText(
        "TypeOfDescription=linguistic\nInfMethod=Logical_Deduction\nDefuzzMethod=MeanOfMaxima\n"
        "NumberOfAntecedentVariables=2\nNumberOfSuccedentVariables=1\nNumberOfRules=1\n"
        "AntVariable1\n name=speed\n settings=linguistic\n context=<-2.5,1000000>\n discretization=301\n"
        "End_AntVariable1\n"
        "AntVariable2\n name=load\n settings=linguistic\n context=<0,1>\n discretization=301\nEnd_AntVariable2\n"
        "SucVariable1\n name=brake\n settings=linguistic\n context=<0.126,0.874>\n discretization=301\n"
        "End_SucVariable1\n"
        "RULES\n \"sm\" \"sm\" | \"bi\"\nEND_RULES\n",
        "units.rb");
    EXPECT_EQ(UnitVariableRows::headers(), (std::vector<std::string>{"Name", "Short", "Lo", "Hi", "Type"}));
    EXPECT_EQ(UnitVariableRows::rows(*unit, true),
              (std::vector<UnitVariableRow>{{"speed", "", "-2.50", "1000000.00", ""},
                                            {"load", "", "0.00", "1.00", ""}}));
    EXPECT_EQ(UnitVariableRows::rows(*unit, false),
              (std::vector<UnitVariableRow>{{"brake", "", "0.13", "0.87", ""}}));
    EXPECT_EQ(UnitVariableRows::signedIndex(true, 1), 1);
    EXPECT_EQ(UnitVariableRows::signedIndex(false, 0), -1);
    EXPECT_EQ(UnitVariableRows::signedIndex(false, 2), -3);
}

}  // namespace
}  // namespace zorv
