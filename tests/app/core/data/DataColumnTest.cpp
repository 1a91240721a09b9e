#include "app/core/data/DataColumn.h"

#include <gtest/gtest.h>

#include <string>

#include "text/NumberText.h"

namespace zorv {
namespace {

// Every text comes back as it was written, and reads as the number parseDecimal makes of it, whether the
// column keeps it as a number or as text.
TEST(DataColumnTest, KeepsEveryTextExactlyAndReadsItAsTheTableDoes) {
    const char* texts[] = {"12",    "-0.50", "0",     "-0",    "20.250", "0.000123", "123456789012345",
                           "1e3",   "0,5",   " 7",    "007",   "+1",     ".5",       "1.",
                           "abc",   "",      "0.1234567890123456789",    "1234567890123456", "12.",
                           "1,234.5", "-"};
    DataColumn column;
    column.Resize(static_cast<int>(std::size(texts)));
    for (int row = 0; row < column.Size(); ++row) column.SetText(row, texts[row]);
    const DataColumn copy = column;  // a copy keeps its own texts
    for (int row = 0; row < column.Size(); ++row) {
        SCOPED_TRACE(texts[row]);
        EXPECT_EQ(copy.Text(row), texts[row]);
        EXPECT_EQ(copy.Number(row), NumberText::parseDecimal(texts[row]));
    }
    EXPECT_TRUE(column.Empty(15));
}

TEST(DataColumnTest, ResultsAndLabelsShowAsTheTableWritesThem) {
    DataColumn column;
    column.Resize(4);
    column.SetResult(0, 1234.5);
    column.SetResult(1, 1.23456e-9);
    column.SetResult(2, std::numeric_limits<double>::infinity());
    column.SetLabel(3, 17);
    EXPECT_EQ(column.Text(0), "1,230.000000");
    EXPECT_EQ(column.Number(0), 1230.0);
    EXPECT_EQ(column.Text(1), "0.000000");
    EXPECT_EQ(column.Number(1), 0.0);  // what the text says, not the value behind it
    EXPECT_EQ(column.Text(2), NumberText::dataResult(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(column.Number(2));
    EXPECT_EQ(column.Text(3), "17.");

    column.Erase(0);
    EXPECT_EQ(column.Size(), 3);
    EXPECT_EQ(column.Text(2), "17.");
}

}  // namespace
}  // namespace zorv
