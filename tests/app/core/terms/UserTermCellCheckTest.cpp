#include "app/core/terms/UserTermCellCheck.h"

#include <gtest/gtest.h>

#include <string>

#include "app/core/terms/UserTermFactory.h"
#include "app/core/terms/UserTermTable.h"

namespace zorv {
namespace {

constexpr int kName = UserTermTable::kNameColumn;

int Column(UserTermShape::Slot slot) { return UserTermTable::ColumnOf(slot); }

// Context <0, 8>: "low" triang (1, 4, 7) and "high" trapezoid (1, 3, 5, 7) and "bell" gaussian.
UserTermTable Table() {
    UserTermTable table(0.0, 8.0);
    table.appendRow(UserTermFactory::Shape(UserTermShape::kTriang, 0.0, 8.0, "low"));
    table.appendRow(UserTermFactory::Shape(UserTermShape::kTrapezoid, 0.0, 8.0, "high"));
    table.appendRow(UserTermFactory::Shape(UserTermShape::kGaussian, 0.0, 8.0, "bell"));
    return table;
}

std::string MessageOf(const UserTermVerdict& verdict) { return verdict.message ? verdict.message->text : ""; }

struct NameCase {
    const char* label;
    std::string name;
    bool ok;
    std::string message;
};

class UserTermNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(UserTermNames, AreChecked) {
    const NameCase& c = GetParam();
    UserTermTable table = Table();
    table.setCellText(0, kName, c.name);
    const UserTermVerdict verdict = UserTermCellCheck::Check(table, 0, kName);
    EXPECT_EQ(verdict.ok, c.ok);
    EXPECT_EQ(MessageOf(verdict), c.message);
    if (!c.message.empty()) {
        EXPECT_EQ(verdict.message->caption, "Wrong input");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, UserTermNames,
    ::testing::Values(NameCase{"plain", "slow", true, ""}, NameCase{"withBlankInside", "very slow", true, ""},
                      NameCase{"standardWord", "sm", false, "Expression already exists"},
                      NameCase{"compound", "big or small", false, "Expression already exists"},
                      NameCase{"number", "3", false, "Expression already exists"},
                      NameCase{"otherRow", "high", false, "Expression already exists"},
                      NameCase{"empty", "", false, ""}, NameCase{"blanks", "   ", false, ""},
                      NameCase{"comma", "a,b", false,
                               "Name of expression cannot be stored in a rulebase file: it holds a comma."},
                      NameCase{"control", "a\x01", false,
                               "Name of expression cannot be stored in a rulebase file: it holds a control "
                               "character."},
                      NameCase{"leadingBlank", " slow", false,
                               "Name of expression cannot be stored in a rulebase file: it begins or ends with a "
                               "blank."}),
    [](const auto& info) { return std::string(info.param.label); });

struct ValueCase {
    const char* label;
    int row;
    UserTermShape::Slot slot;
    std::string text;
    std::string message;  // empty: passes
};

class UserTermValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(UserTermValues, AreChecked) {
    const ValueCase& c = GetParam();
    UserTermTable table = Table();
    table.setCellText(c.row, Column(c.slot), c.text);
    const UserTermVerdict verdict = UserTermCellCheck::Check(table, c.row, Column(c.slot));
    EXPECT_EQ(verdict.ok, c.message.empty());
    EXPECT_EQ(MessageOf(verdict), c.message);
}

using S = UserTermShape;

INSTANTIATE_TEST_SUITE_P(
    Values, UserTermValues,
    ::testing::Values(
        ValueCase{"inOrder", 0, S::leftKernel, "6.5", ""},
        ValueCase{"equalToNext", 0, S::leftKernel, "7", ""},
        ValueCase{"contextEnd", 0, S::leftSupp, "0", ""},
        ValueCase{"notANumber", 0, S::leftKernel, "four", "'four' is not a valid floating point value"},
        ValueCase{"empty", 0, S::leftSupp, "", "'' is not a valid floating point value"},
        ValueCase{"belowContext", 0, S::leftSupp, "-0.1", "Value is out of variable range"},
        ValueCase{"aboveContext", 0, S::rightSupp, "8.5", "Value is out of variable range"},
        ValueCase{"belowPrevious", 0, S::leftKernel, "0.5", "Value is less than previous parameter"},
        ValueCase{"aboveNext", 0, S::leftKernel, "7.5", "Value is greater than next parameter"},
        ValueCase{"trapezoidSkipsEmptySlots", 1, S::rightKernel, "6", ""},
        ValueCase{"trapezoidOrder", 1, S::rightKernel, "2", "Value is less than previous parameter"},
        ValueCase{"gaussianScale", 2, S::leftEquilib, "0", "Scale factor must be greater then zero"},
        ValueCase{"gaussianScaleOutsideContext", 2, S::rightEquilib, "50", ""},
        ValueCase{"gaussianKernelRange", 2, S::leftKernel, "-1", "Value is out of variable range"},
        ValueCase{"gaussianKernelOrder", 2, S::leftKernel, "6", "Value is greater than next parameter"},
        ValueCase{"gaussianRightKernelOrder", 2, S::rightKernel, "2", "Value is less than previous parameter"},
        ValueCase{"gaussianRightKernelRange", 2, S::rightKernel, "9", "Value is out of variable range"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(UserTermCellCheckTest, CellsOutsideTheTypeAndThePlaceholderPass) {
    UserTermTable table = Table();
    EXPECT_TRUE(UserTermCellCheck::Check(table, 0, Column(S::leftEquilib)).ok);
    EXPECT_TRUE(UserTermCellCheck::Check(table, 0, UserTermTable::kTypeColumn).ok);
    EXPECT_TRUE(UserTermCellCheck::Check(UserTermTable(0.0, 1.0), 0, kName).ok);
}

TEST(UserTermCellCheckTest, FirstFailureFindsRowsNeverVisited) {
    UserTermTable table = Table();
    EXPECT_FALSE(UserTermCellCheck::FirstFailure(table));
    table.setCellText(1, Column(S::rightSupp), "9");
    const auto failure = UserTermCellCheck::FirstFailure(table);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->first, std::make_pair(1, Column(S::rightSupp)));
    EXPECT_EQ(MessageOf(failure->second), "Value is out of variable range");
    table.setCellText(2, kName, "low");
    const auto duplicate = UserTermCellCheck::FirstFailure(table);
    ASSERT_TRUE(duplicate);
    EXPECT_EQ(duplicate->first, std::make_pair(0, kName));
    EXPECT_EQ(MessageOf(duplicate->second), "Expression already exists");
}

TEST(UserTermTableTest, KeepsExactValuesBehindTheirShortText) {
    UserTermTable table(0.0, 1.0);
    table.appendRow(UserTermFactory::Shape(UserTermShape::kTriang, 0.0, 1.0, "t"));
    table.setValue(0, S::leftKernel, 1.0 / 3.0);
    EXPECT_EQ(table.cellText(0, Column(S::leftKernel)), "0.333");
    EXPECT_EQ(table.value(0, S::leftKernel), 1.0 / 3.0);
    table.setCellText(0, Column(S::leftKernel), "0.4");
    EXPECT_EQ(table.value(0, S::leftKernel), 0.4);
}

TEST(UserTermTableTest, ShowsLabelsUsageAndAPlaceholder) {
    UserTermTable table(0.0, 1.0);
    EXPECT_EQ(table.shownRowCount(), 1);
    EXPECT_EQ(table.cellText(0, kName), "");
    EXPECT_FALSE(table.editable(0, kName));
    table.appendRow(UserTermFactory::Shape(UserTermShape::kTriang, 0.0, 1.0, "t"));
    table.appendRow(UserTermFactory::Shape(UserTermShape::kQuadratic, 0.0, 1.0, "q"));
    EXPECT_EQ(table.cellText(1, UserTermTable::kLabelColumn), "2.");
    EXPECT_EQ(table.cellText(1, UserTermTable::kUsageColumn), "N");
    EXPECT_EQ(table.cellText(0, Column(S::leftEquilib)), "");
    EXPECT_EQ(table.cellText(1, Column(S::leftEquilib)), "0.25");
}

TEST(UserTermTableTest, TabFollowsTheEditableCells) {
    UserTermTable table(0.0, 8.0);
    table.appendRow(UserTermFactory::Shape(UserTermShape::kTriang, 0.0, 8.0, "t"));
    table.appendRow(UserTermFactory::Shape(UserTermShape::kGaussian, 0.0, 8.0, "g"));
    using Cell = std::pair<int, int>;
    EXPECT_EQ(table.adjacentCell(0, kName, true), Cell(0, Column(S::leftSupp)));
    EXPECT_EQ(table.adjacentCell(0, Column(S::leftSupp), true), Cell(0, Column(S::leftKernel)));
    EXPECT_EQ(table.adjacentCell(0, Column(S::leftKernel), true), Cell(0, Column(S::rightSupp)));
    EXPECT_EQ(table.adjacentCell(0, Column(S::rightSupp), true), Cell(1, kName));
    EXPECT_EQ(table.adjacentCell(1, kName, true), Cell(1, Column(S::leftEquilib)));
    EXPECT_EQ(table.adjacentCell(1, kName, false), Cell(0, Column(S::rightSupp)));
    EXPECT_EQ(table.adjacentCell(1, Column(S::rightEquilib), true), std::nullopt);
    EXPECT_EQ(table.adjacentCell(0, kName, false), std::nullopt);
}

}  // namespace
}  // namespace zorv
