#include "app/core/rules/RuleUndoHistory.h"

#include <gtest/gtest.h>

#include <string>

namespace zorv {
namespace {

// A one-rule list "x -> y", enabled.
RuleList rules(const std::string& x, const std::string& y) {
    return {RuleRow{true, {x, y}}};
}

class UndoHistory : public ::testing::Test {
protected:
    // Rules as the rule base holds them; undo and redo give it what they return.
    void edit(const RuleList& next) {
        current = next;
        history.snapshot(current);
    }
    bool undo() {
        const auto previous = history.undo(current);
        if (previous) current = *previous;
        return previous.has_value();
    }
    bool redo() {
        const auto next = history.redo(current);
        if (next) current = *next;
        return next.has_value();
    }

    RuleUndoHistory history;
    RuleList current = rules("ze", "ze");
};

TEST_F(UndoHistory, TwoEditsUndoneAndRedoneInOrder) {
    history.snapshot(current);
    edit(rules("sm", "ze"));
    edit(rules("sm", "bi"));

    ASSERT_TRUE(undo());
    EXPECT_EQ(current, rules("sm", "ze"));
    ASSERT_TRUE(undo());
    EXPECT_EQ(current, rules("ze", "ze"));

    ASSERT_TRUE(redo());
    EXPECT_EQ(current, rules("sm", "ze"));
    ASSERT_TRUE(redo());
    EXPECT_EQ(current, rules("sm", "bi"));
    EXPECT_FALSE(redo());
    EXPECT_EQ(current, rules("sm", "bi"));
}

TEST_F(UndoHistory, TellsWhetherUndoOrRedoWouldChangeTheRules) {
    history.snapshot(current);
    EXPECT_FALSE(history.canUndoFrom(current));
    edit(rules("sm", "ze"));
    EXPECT_TRUE(history.canUndoFrom(current));
    EXPECT_FALSE(history.canRedoFrom(current));
    undo();
    EXPECT_FALSE(history.canUndoFrom(current));
    EXPECT_TRUE(history.canRedoFrom(current));
}

TEST_F(UndoHistory, UndoPastTheFirstSnapshotKeepsTheRulesAndSomethingToReturnTo) {
    history.snapshot(current);
    EXPECT_FALSE(undo());
    EXPECT_EQ(current, rules("ze", "ze"));
    EXPECT_EQ(history.undoDepth(), 1u);
    EXPECT_FALSE(undo());
    EXPECT_EQ(history.undoDepth(), 1u);
}

TEST_F(UndoHistory, UndoOnAnEmptyHistoryRemembersTheCurrentRules) {
    EXPECT_FALSE(undo());
    EXPECT_EQ(history.undoDepth(), 1u);
    edit(rules("bi", "bi"));
    ASSERT_TRUE(undo());
    EXPECT_EQ(current, rules("ze", "ze"));
}

TEST_F(UndoHistory, EqualSnapshotsAreNotStackedTwice) {
    EXPECT_TRUE(history.snapshot(current));
    EXPECT_FALSE(history.snapshot(current));
    edit(rules("sm", "sm"));
    edit(rules("sm", "sm"));
    EXPECT_EQ(history.undoDepth(), 2u);
}

TEST_F(UndoHistory, EnabledFlagCountsAsAChange) {
    history.snapshot(current);
    RuleList disabled = current;
    disabled[0].enabled = false;
    edit(disabled);
    ASSERT_TRUE(undo());
    EXPECT_TRUE(current[0].enabled);
}

TEST_F(UndoHistory, ANewEditForgetsTheRedoSteps) {
    history.snapshot(current);
    edit(rules("sm", "ze"));
    edit(rules("me", "ze"));
    ASSERT_TRUE(undo());
    EXPECT_TRUE(history.canRedo());
    edit(rules("bi", "ze"));
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(redo());
    EXPECT_EQ(current, rules("bi", "ze"));
}

TEST_F(UndoHistory, AChangeNotYetRememberedIsUndoneToTheLastSnapshot) {
    history.snapshot(current);
    edit(rules("sm", "ze"));
    current = rules("xx", "yy");  // changed without a snapshot
    ASSERT_TRUE(undo());
    EXPECT_EQ(current, rules("sm", "ze"));
    EXPECT_EQ(history.redoDepth(), 0u);
}

TEST_F(UndoHistory, RedoSkipsAStepEqualToTheCurrentRules) {
    history.snapshot(current);
    edit(rules("sm", "ze"));
    edit(rules("me", "ze"));
    ASSERT_TRUE(undo());
    ASSERT_TRUE(undo());
    current = rules("sm", "ze");  // the rules already read as the first redo step
    ASSERT_TRUE(redo());
    EXPECT_EQ(current, rules("me", "ze"));
}

TEST_F(UndoHistory, UndoRedoWithEmptyRuleLists) {
    current = {};
    history.snapshot(current);
    edit(rules("sm", "sm"));
    ASSERT_TRUE(undo());
    EXPECT_TRUE(current.empty());
    ASSERT_TRUE(redo());
    EXPECT_EQ(current, rules("sm", "sm"));
}

TEST_F(UndoHistory, ClearForgetsBothStacks) {
    history.snapshot(current);
    edit(rules("sm", "sm"));
    undo();
    history.clear();
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
}

}  // namespace
}  // namespace zorv
