#include <gtest/gtest.h>

#include "rulebase/analysis/CRuleList.h"
#include "rulebase/analysis/DeleteDuplicit.h"

namespace zorv {
namespace {

RuleRow row(std::vector<std::string> texts, bool enabled = true) {
    return RuleRow{enabled, std::move(texts)};
}

TEST(CRuleListTest, RowsWithAnEmptyCellAreNeverTaken) {
    for (const bool refusing : {false, true}) {
        CRuleList list(refusing);
        EXPECT_FALSE(list.add(row({"sm", ""})));
        EXPECT_FALSE(list.add(row({"  \t", "bi"})));
        EXPECT_TRUE(list.add(row({"sm", "bi"})));
        EXPECT_EQ(list.count(), 1);
    }
}

TEST(CRuleListTest, PlainListKeepsCopies) {
    CRuleList list;
    EXPECT_TRUE(list.add(row({"sm", "bi"})));
    EXPECT_TRUE(list.add(row({"sm", "bi"})));
    EXPECT_EQ(list.count(), 2);
}

TEST(CRuleListTest, RefusingListComparesWholeTextsExactly) {
    CRuleList list(true);
    EXPECT_TRUE(list.add(row({"sm", "bi"})));
    EXPECT_FALSE(list.add(row({"sm", "bi"})));
    EXPECT_TRUE(list.add(row({"small", "bi"})));  // equal meaning, other text
    EXPECT_TRUE(list.add(row({"smb", "i"})));     // same characters, split differently
    EXPECT_TRUE(list.add(row({"sm", "bi "})));
    EXPECT_EQ(list.count(), 4);
}

TEST(CRuleListTest, RefusedEnabledCopyEnablesTheKeptRow) {
    CRuleList list(true);
    list.add(row({"sm", "bi"}, false));
    list.add(row({"sm", "bi"}, true));
    list.add(row({"me", "sm"}, false));
    list.add(row({"me", "sm"}, false));
    ASSERT_EQ(list.count(), 2);
    EXPECT_TRUE(list.rows()[0].enabled);
    EXPECT_FALSE(list.rows()[1].enabled);
}

TEST(DeleteDuplicitRowsTest, KeepsFirstOccurrencesInOrder) {
    const std::vector<RuleRow> rows{row({"sm", "bi"}), row({"me", "sm"}), row({"sm", "bi"}), row({"sm", ""}),
                                    row({"me", "sm"}), row({"bi", "me"})};
    EXPECT_EQ(deleteDuplicit(rows), (std::vector<RuleRow>{row({"sm", "bi"}), row({"me", "sm"}), row({"bi", "me"})}));
}

TEST(DeleteDuplicitRowsTest, DegenerateInputs) {
    EXPECT_TRUE(deleteDuplicit({}).empty());
    EXPECT_EQ(deleteDuplicit({row({"sm", "bi"}, false)}), (std::vector<RuleRow>{row({"sm", "bi"}, false)}));
    EXPECT_EQ(deleteDuplicit({row({"sm", "bi"}, false), row({"sm", "bi"}, false), row({"sm", "bi"}, false)}),
              (std::vector<RuleRow>{row({"sm", "bi"}, false)}));
}

}  // namespace
}  // namespace zorv
