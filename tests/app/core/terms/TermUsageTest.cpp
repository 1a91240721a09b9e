#include "app/core/terms/TermUsage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TestUnits.h"

namespace zorv {
namespace {

using test::VariableTestUnits;
using Texts = std::vector<std::string>;

struct MentionCase {
    const char* text;
    const char* name;
    bool mentioned;
};

class TermUsageMentions : public ::testing::TestWithParam<MentionCase> {};

TEST_P(TermUsageMentions, FollowWordBoundaries) {
    EXPECT_EQ(TermUsage::Mentions(GetParam().text, GetParam().name), GetParam().mentioned)
        << GetParam().text << " / " << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Texts, TermUsageMentions,
                         ::testing::Values(MentionCase{"speed", "speed", true},
                                           MentionCase{"speed and sm", "speed", true},
                                           MentionCase{"sm or (fast and speed)", "speed", true},
                                           MentionCase{"speedy", "speed", false},
                                           MentionCase{"speed_1", "speed", false},
                                           MentionCase{"topspeed", "speed", false},
                                           MentionCase{"low speed", "low speed", true},
                                           MentionCase{"sm", "", false}, MentionCase{"", "speed", false}));

TEST(TermUsageTest, RenamesWholeWordsAllAtOnce) {
    const std::vector<TermUsage::Rename> swap{{"fast", "slow"}, {"slow", "fast"}};
    EXPECT_EQ(TermUsage::Renamed("fast or (slow and sm)", swap), "slow or (fast and sm)");
    EXPECT_EQ(TermUsage::Renamed("faster", swap), "faster");
    const std::vector<TermUsage::Rename> longest{{"a", "x"}, {"a b", "y"}};
    EXPECT_EQ(TermUsage::Renamed("a b or a", longest), "y or x");
}

TEST(TermUsageTest, CountsTheRulesOfEveryVariableSharingTheVocabulary) {
    auto unit = VariableTestUnits::Linguistic({{"sm", "ze", "bi"}, {"me", "ze", "sm"}});
    unit->AddAntecedent(CFuzzyVariable("speed2", unit->Variable(0).SharedSettings(), 301), 0);
    VariableTestUnits::SetRules(*unit, {{"sm", "ze", "fast", "bi"}, {"me", "ze", "me", "sm"}});
    EXPECT_EQ(TermUsage::SharingVariables(*unit, 0), (std::vector<int>{0, 2}));
    EXPECT_TRUE(TermUsage(*unit, 0).uses("fast"));
    EXPECT_FALSE(TermUsage(*unit, 1).uses("fast"));

    TermUsage::RenameInRules(*unit, 0, {{"fast", "quick"}});
    EXPECT_EQ(VariableTestUnits::Texts(*unit, 2), Texts({"quick", "me"}));
}

}  // namespace
}  // namespace zorv
