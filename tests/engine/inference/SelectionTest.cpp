#include <gtest/gtest.h>

#include <vector>

#include "inference/methods/PerceptionThreshold.h"
#include "inference/methods/RuleSelection.h"

namespace zorv {

struct LevelCase {
    const char* name;
    AntecedentContext context;
    double x;
    double expected;
};

TEST(PerceptionThreshold, LevelIsLowestAtFortyPercentAndRisesTowardsTheEnds) {
    const AntecedentContext plain{0.0, 10.0, false};
    const AntecedentContext shifted{2.0, 12.0, false};
    const AntecedentContext symmetric{-10.0, 10.0, true};
    const LevelCase cases[] = {
        {"at 40 %", plain, 4.0, 0.2},
        {"low end", plain, 0.0, 0.8},
        {"high end", plain, 10.0, 0.8},
        {"half way down", plain, 2.0, 0.5},
        {"half way up", plain, 7.0, 0.5},
        {"shifted context, at 40 %", shifted, 6.0, 0.2},
        {"shifted context, low end", shifted, 2.0, 0.8},
        {"symmetric, at +40 %", symmetric, 4.0, 0.2},
        {"symmetric, at -40 %", symmetric, -4.0, 0.2},
        {"symmetric, at 0", symmetric, 0.0, 0.8},
        {"symmetric, high end", symmetric, 10.0, 0.8},
        {"symmetric, low end", symmetric, -10.0, 0.8},
        {"symmetric, between -40 % and 0", symmetric, -2.0, 0.5},
        {"symmetric, between 0 and +40 %", symmetric, 2.0, 0.5},
    };
    for (const LevelCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(PerceptionLevel(c.context, c.x, 0.8, 0.2), c.expected, 1e-12);
    }
}

TEST(PerceptionThreshold, ThresholdIsTheSmallestLevelAndAtMostOne) {
    const std::vector<AntecedentContext> contexts{{0.0, 10.0, false}, {-10.0, 10.0, true}};
    const double inputs[] = {0.0, -4.0};
    EXPECT_NEAR(PerceptionThreshold(contexts, inputs, 0.8, 0.2), 0.2, 1e-12);
    const double ends[] = {10.0, 0.0};
    EXPECT_NEAR(PerceptionThreshold(contexts, ends, 0.8, 0.2), 0.8, 1e-12);
    EXPECT_EQ(PerceptionThreshold(contexts, ends, 1.5, 0.2), 1.0);
    EXPECT_EQ(PerceptionThreshold({}, nullptr, 0.8, 0.2), 1.0);
}

struct SelectionCase {
    const char* name;
    std::vector<SelectionCandidate> candidates;  // rule, degree, specificity
    double threshold;
    std::vector<int> selected;
    double bestRaw;
};

TEST(RuleSelection, KeepsTheBestRulesOfTheLowestSpecificity) {
    const SelectionCase cases[] = {
        {"no candidate", {}, 0.5, {}, 0.0},
        {"the higher degree wins below the threshold", {{0, 0.3, 5}, {1, 0.4, 9}}, 0.5, {1}, 0.4},
        {"an equal degree below the threshold competes on specificity", {{0, 0.4, 5}, {1, 0.4, 3}}, 0.5, {1}, 0.4},
        {"a lower degree below the threshold is ignored", {{0, 0.4, 5}, {1, 0.3, 1}}, 0.5, {0}, 0.4},
        {"above the threshold degrees count as equal: lower specificity wins", {{0, 0.9, 5}, {1, 0.6, 3}}, 0.5,
         {1}, 0.6},
        {"above the threshold, higher specificity is ignored", {{0, 0.6, 3}, {1, 0.9, 5}}, 0.5, {0}, 0.6},
        {"equal specificity: all stay, bestRaw of the first", {{0, 0.7, 4}, {1, 0.9, 4}, {2, 0.6, 4}}, 0.5,
         {0, 1, 2}, 0.7},
        {"a rule reaching the threshold after a capped one competes", {{0, 0.9, 6}, {1, 0.5, 2}}, 0.5, {1}, 0.5},
        {"a rule below the threshold after a capped one is ignored", {{0, 0.9, 6}, {1, 0.45, 2}}, 0.5, {0}, 0.9},
        {"a higher rule below the threshold restarts the selection", {{0, 0.2, 1}, {1, 0.3, 7}, {2, 0.3, 7}}, 0.5,
         {1, 2}, 0.3},
        {"after a restart a lower specificity replaces", {{0, 0.2, 1}, {1, 0.6, 7}, {2, 0.3, 7}, {3, 0.7, 2}}, 0.5,
         {3}, 0.7},
        // Specificities are compared as unsigned 16-bit numbers.
        {"specificity above 32767 counts as large", {{0, 0.6, 40000}, {1, 0.6, 10}}, 0.5, {1}, 0.6},
        {"threshold 0: the first rule founds the selection", {{0, 0.3, 5}, {1, 0.2, 5}, {2, 0.9, 7}}, 0.0,
         {0, 1}, 0.3},
    };
    for (const SelectionCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> selected{42};
        EXPECT_EQ(SelectRules(c.candidates, c.threshold, selected), c.bestRaw);
        EXPECT_EQ(selected, c.selected);
    }
}

}  // namespace zorv
