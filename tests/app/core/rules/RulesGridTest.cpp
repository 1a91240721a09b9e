#include "app/core/rules/RulesGrid.h"

#include <gtest/gtest.h>

#include "rulebase/RuleCellCheck.h"
#include "app/core/rules/RuleClipboardText.h"
#include "app/core/rules/RuleGridAnalysis.h"
#include "rulebase/RuleSignMirror.h"
#include "app/core/rules/RulesGridCommands.h"
#include "tests/support/TestUnits.h"

namespace zorv {
namespace {

using test::VariableTestUnits;
using Texts = std::vector<std::vector<std::string>>;

// speed <0, 10> and load <-5, 5> -> power <0, 100>; columns 1, 2 and 3.
class RulesGridTest : public ::testing::Test {
protected:
    void fill(const Texts& rules) {
        VariableTestUnits::SetRules(*unit, rules);
        grid.fill();
    }
    Texts texts() const {
        Texts all;
        for (int r = 0; r < grid.rowCount(); ++r) all.push_back(grid.row(r).texts);
        return all;
    }

    std::unique_ptr<CRuleBase> unit = VariableTestUnits::Linguistic({});
    RulesGrid grid{*unit};
};

TEST_F(RulesGridTest, ShowsTheRulesAndCommitsOnlyCompleteRows) {
    fill({{"sm", "ze", "bi"}, {"me", "-sm", "sm"}});
    EXPECT_EQ(grid.columns().ruleForm(), "speed & load --> power");
    EXPECT_EQ(grid.columns().header(3), "power");
    EXPECT_EQ(grid.columns().header(4), "Group");
    EXPECT_EQ(grid.cellText(1, 0), "2.");
    grid.toggleEnabled(1);
    grid.insertEmptyRows(1, 1);
    grid.setText(1, 1, "bi");
    EXPECT_EQ(grid.firstEmptyCell(), (std::pair{1, 2}));
    EXPECT_TRUE(grid.commitTo(*unit));
    ASSERT_EQ(unit->RuleCount(), 2);
    EXPECT_FALSE(unit->Enabled(1));
    EXPECT_EQ(unit->Text(0, 1), "me");

    // Committing the rules the rule base holds keeps its compiled form, and what was computed from it.
    const auto compiled = unit->Compiled();
    EXPECT_FALSE(grid.commitTo(*unit));
    EXPECT_EQ(unit->Compiled(), compiled);
}

// The rows are read from the rule base's snapshot until they change; a content handed to another thread
// keeps the rows it was given while the grid changes on.
TEST_F(RulesGridTest, RowsComeFromTheSnapshotUntilTheyChange) {
    fill({{"sm", "ze", "bi"}, {"me", "-sm", "sm"}});
    EXPECT_TRUE(grid.asFilled());
    EXPECT_FALSE(grid.commitTo(*unit));
    grid.setText(0, 1, "bi");
    EXPECT_FALSE(grid.asFilled());
    const RulesGrid::Content taken = grid.content();
    grid.setText(0, 1, "ve bi");
    grid.insertEmptyRows(0, 1);
    EXPECT_EQ(taken.rowCount(), 2);
    EXPECT_EQ(taken.text(0, 0), "bi");
    EXPECT_EQ(taken.rule(1), 1);
    EXPECT_EQ(texts(), (Texts{{"", "", ""}, {"ve bi", "ze", "bi"}, {"me", "-sm", "sm"}}));
    EXPECT_TRUE(grid.commitTo(*unit));
    EXPECT_EQ(unit->Text(0, 0), "ve bi");
}

TEST_F(RulesGridTest, RowsAreNeverAllDeletedAndEmptyOnesGoFromTheBottomUp) {
    fill({{"sm", "ze", "bi"}, {"me", "ze", "sm"}});
    EXPECT_FALSE(grid.deleteRows(0, 1));
    grid.insertEmptyRows(1, 1);
    grid.insertEmptyRows(3, 1);
    grid.setText(3, 2, "ze");
    EXPECT_EQ(grid.deleteEmptyRows(), 1);
    EXPECT_EQ(texts(), (Texts{{"sm", "ze", "bi"}, {"me", "ze", "sm"}, {"", "ze", ""}}));
    EXPECT_TRUE(grid.deleteRows(0, 1));
    EXPECT_EQ(grid.rowCount(), 1);
}

TEST_F(RulesGridTest, ClipboardLinesFillTheColumnsFromTheLeft) {
    EXPECT_EQ(RuleClipboardText::parse("A;B;\r\nC;D;E;F;G\nH", 3),
              (Texts{{"A", "B", ""}, {"C", "D", "E"}, {"H", "", ""}}));
    EXPECT_EQ(RuleClipboardText::format({{"A", "B", "C"}, {"D", "E", "F"}}), "A;B;C;\nD;E;F;\n");
}

TEST_F(RulesGridTest, CopiedRowsReplaceARowWithTheirCommentsAndComeBackEnabled) {
    unit->SetRules(std::vector<RuleRow>{{false, {"sm", "ze", "bi"}, "; small"}, {true, {"me", "ze", "me"}},
                                        {true, {"bi", "ze", "sm"}}});
    grid.fill();
    RulesGridCommands commands(grid);
    commands.clickLabel(0, false);
    commands.clickLabel(1, true);
    const std::string copied = commands.copy(false, {});
    EXPECT_EQ(copied, "sm;ze;bi;\nme;ze;me;\n");
    commands.clickLabel(2, false);
    ASSERT_TRUE(commands.paste(false, copied).rowsChanged);
    EXPECT_EQ(texts(), (Texts{{"sm", "ze", "bi"}, {"me", "ze", "me"}, {"sm", "ze", "bi"}, {"me", "ze", "me"}}));
    EXPECT_EQ(grid.row(2).comment, "; small");
    EXPECT_TRUE(grid.row(2).enabled);
    EXPECT_EQ(commands.selection(), (RuleGridSelection{2, 3, 1, 3, true}));

    // Cell mode: rows after a row copy, a cell's text after a cell copy while editing.
    commands.select(RuleGridSelection::cell(0, 2));
    ASSERT_TRUE(commands.paste(false, "ve sm;ze;").rowsChanged);
    EXPECT_EQ(grid.row(1).texts, (std::vector<std::string>{"ve sm", "ze", ""}));
    EXPECT_EQ(grid.row(1).comment, "");
    EXPECT_FALSE(commands.paste(true, "ze").cellText);
    commands.copy(true, "ro bi");
    EXPECT_EQ(commands.paste(true, "ro bi").cellText, "ro bi");
    EXPECT_FALSE(commands.paste(false, "ro bi").rowsChanged);
}

TEST_F(RulesGridTest, AddDeleteAndDuplicateWorkOnTheSelectedRows) {
    fill({{"sm", "ze", "bi"}, {"me", "ze", "sm"}});
    RulesGridCommands commands(grid);
    commands.select({0, 1, 2, 2, false});
    EXPECT_EQ(commands.addRule(), 1);
    EXPECT_EQ(commands.selection(), RuleGridSelection::cell(1, 1));
    commands.clickLabel(1, false);
    EXPECT_EQ(commands.deleteKey(false), RulesGridCommands::DeleteKey::deletedRows);  // a row spans columns
    EXPECT_EQ(grid.rowCount(), 2);

    commands.select(RuleGridSelection::cell(1, 3));
    EXPECT_EQ(commands.deleteKey(true), RulesGridCommands::DeleteKey::nothing);
    EXPECT_EQ(commands.deleteKey(false), RulesGridCommands::DeleteKey::emptiedCell);
    EXPECT_EQ(grid.text(1, 3), "");

    commands.clickLabel(0, false);
    EXPECT_EQ(commands.duplicate(), "sm;ze;bi;\n");
    EXPECT_EQ(texts(), (Texts{{"sm", "ze", "bi"}, {"sm", "ze", "bi"}, {"me", "ze", ""}}));
    commands.clickLabel(2, true);
    EXPECT_EQ(commands.cut(), "sm;ze;bi;\nsm;ze;bi;\nme;ze;;\n");
    EXPECT_EQ(grid.rowCount(), 3);  // not every row
    commands.clickLabel(1, false);
    commands.cut();
    EXPECT_EQ(texts(), (Texts{{"sm", "ze", "bi"}, {"me", "ze", ""}}));
}

TEST_F(RulesGridTest, InvertSignMirrorsEveryOperandOfSymmetricVariablesOnly) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"+sm", "-sm"},       {"-sm", "sm"},
        {"sm", "-sm"},        {"sm or bi", "-sm or -bi"},
        {"(+me and not -bi) or ze", "(-me and not bi) or -ze"},
        {"about 2", "about 2"},  // "-about 2" does not parse
        {"ve sm or about 2", "ve sm or about 2"},
    };
    for (const auto& [before, after] : cases) {
        fill({{"sm", before, "bi"}});
        grid.invertSign(0, 0);
        EXPECT_EQ(grid.text(0, 2), after) << before;
        EXPECT_EQ(grid.text(0, 1), "sm");  // speed <0, 10> is left alone
    }
    grid.setText(0, 2, "-");  // mirrored it would be an empty cell, which is no expression
    grid.invertSign(0, 0);
    EXPECT_EQ(grid.text(0, 2), "-");
    EXPECT_EQ(RuleSignMirror::mirrorLinearForm("2.5 + x1 - 0.3*x2"), "-2.5 - x1 + 0.3*x2");
    EXPECT_EQ(RuleSignMirror::mirrorLinearForm("-1e-3*x1 + x2*-2"), "1e-3*x1 - x2*-2");
}

TEST_F(RulesGridTest, SortingIsStableForEveryKindOfColumn) {
    fill({{"bi", "ze", "bi"}, {"sm", "+sm", "me"}, {"ve sm", "-bi", "sm"}, {"sm", "ze", "ve bi"}});
    grid.sortBy(1);
    EXPECT_EQ(texts(), (Texts{{"ve sm", "-bi", "sm"}, {"sm", "+sm", "me"}, {"sm", "ze", "ve bi"}, {"bi", "ze", "bi"}}));
    const Texts sorted = texts();
    grid.sortBy(1);
    EXPECT_EQ(texts(), sorted);
    grid.sortBy(2);
    EXPECT_EQ(texts(), (Texts{{"ve sm", "-bi", "sm"}, {"sm", "ze", "ve bi"}, {"bi", "ze", "bi"}, {"sm", "+sm", "me"}}));

    auto infos = std::make_shared<std::vector<RuleInfo>>(4);
    (*infos)[0].sortKeys[0] = 5;
    (*infos)[2].sortKeys[0] = 1;
    grid.setInfos(infos);
    grid.sortBy(grid.columns().columnOf(RulesInfoColumn::group));
    EXPECT_EQ(grid.text(0, 2), "ze");
    EXPECT_EQ(grid.text(1, 2), "-bi");

    auto singleton = VariableTestUnits::Singleton({{"sm", "2.5"}, {"me", "-1 + x1"}, {"bi", "2"}});
    RulesGrid numbers(*singleton);
    numbers.fill();
    numbers.sortBy(2);
    EXPECT_EQ(numbers.text(0, 1), "me");
    EXPECT_EQ(numbers.text(2, 1), "sm");
}

TEST_F(RulesGridTest, CellCheckSplitsTheTextWhereTheErrorWasFound) {
    const CSettings& load = unit->Settings(1);
    const RuleCellCheck wrong = RuleCellCheck::of(load, "sm xx", 2);
    EXPECT_FALSE(wrong.ok);
    EXPECT_EQ(wrong.message, "parse error");
    EXPECT_EQ(wrong.goodPart, "sm ");
    EXPECT_EQ(wrong.badPart, "xx");
    const RuleCellCheck afterParse = RuleCellCheck::of(unit->Settings(0), "about 12", 2);
    EXPECT_EQ(afterParse.message, "fuzzy number out of context");
    EXPECT_EQ(afterParse.goodPart + afterParse.badPart, "");
    EXPECT_TRUE(RuleCellCheck::of(load, "", 2).ok);
    auto singleton = VariableTestUnits::Singleton({});
    EXPECT_TRUE(RuleCellCheck::of(singleton->Settings(-1), "0.5 + x1", 1).ok);
    EXPECT_FALSE(RuleCellCheck::of(singleton->Settings(-1), "x2", 1).ok);
}

TEST_F(RulesGridTest, AnalysisNumbersTheRowsAsShown) {
    fill({{"sm", "ze", "bi"}, {"me", "ze", "sm"}, {"sm", "ze", "bi"}});
    grid.insertEmptyRows(0, 1);
    grid.setInfos(std::make_shared<const std::vector<RuleInfo>>(RuleGridAnalysis::compute(RuleGridAnalysis::snapshot(grid), {})));
    const int group = grid.columns().columnOf(RulesInfoColumn::group);
    EXPECT_EQ(grid.cellText(0, group), "");
    EXPECT_EQ(grid.cellText(1, group), "same as 4.");
    EXPECT_EQ(grid.cellText(3, group), "same as 2.");
}

}  // namespace
}  // namespace zorv
