#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/core/data/DataTable.h"
#include "app/core/data/DataTableRows.h"
#include "app/core/data/RuleBaseDataSource.h"
#include "ftransform/command/FTransformCommand.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/learning/RuleLearning.h"

namespace zorv {
namespace {

std::unique_ptr<CRuleBase> Heater() { return CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb"); }

DataTable TableFor(const CRuleBase& unit, const std::string& text) {
    DataTable table(RuleBaseDataSource::LayoutOf(unit));
    std::istringstream in(text);
    table.Import(in);
    return table;
}

TEST(DataTableRows, ReadsInputsAndExpectedValueAndSkipsUnreadableRows) {
    const auto unit = Heater();
    DataTable table = TableFor(*unit, "indoor outdoor power\n18 -5 40\n20,5 0 x\n22 5 10\n");
    const DataTableRows rows(table);
    ASSERT_EQ(rows.rowCount(), 3);
    double values[3] = {};
    ASSERT_TRUE(rows.readRow(0, values));
    EXPECT_DOUBLE_EQ(values[0], 18);
    EXPECT_DOUBLE_EQ(values[2], 40);
    EXPECT_FALSE(rows.readRow(1, values));  // "x" is not a number
    EXPECT_FALSE(rows.readRow(3, values));  // past the last row
}

TEST(DataTableRows, FeedTheFTransformAndItsReconstructionColumn) {
    const auto unit = Heater();
    DataTable table = TableFor(*unit, "18 -5 40\n20 0 30\n22 5 10\n");
    const DataTable before = table;
    DataTableRows rows(table);
    std::vector<FTransformContext> inputs;
    std::vector<PartitionSettings> partitions;
    for (int k = 0; k < unit->AntecedentCount(); ++k) {
        inputs.push_back({unit->ContextLow(k), unit->ContextHigh(k)});
        partitions.push_back({unit->ContextLow(k), unit->ContextHigh(k), 3, BasicFunctionShape::Triangular});
    }
    const FTransformCommand command(inputs, {unit->ContextLow(-1), unit->ContextHigh(-1)});
    const FTransformOutcome outcome = command.run(rows, partitions, std::nullopt);
    EXPECT_EQ(outcome.reconstruction.rowsReconstructed, 3);
    const int column = table.Layout().OutputColumn(0);
    EXPECT_EQ(table.Grid().Cell(2, column), before.Grid().Cell(2, column));  // the table is only read
    ASSERT_TRUE(table.Grid().ReplaceColumn(column, rows.TakeReconstruction()));
    EXPECT_EQ(table.Grid().Cell(0, column), "power");
    for (int row = 2; row < 5; ++row) EXPECT_TRUE(table.Grid().Number(row, column));
}

TEST(DataTableRows, FeedRuleLearning) {
    const auto unit = Heater();
    DataTable table = TableFor(*unit, "16 -20 90\n24 10 5\n");
    const DataTableRows rows(table);
    const auto rulesFile = std::filesystem::temp_directory_path() / "zorv-data-table-rows.rules";
    const LearningOutcome outcome = RuleLearning(*unit, LearningMode::pentatomy).run({}, rows, rulesFile);
    std::filesystem::remove(rulesFile);
    EXPECT_EQ(outcome.added, 2);
    EXPECT_EQ(unit->RuleCount(), 2);
}

}  // namespace
}  // namespace zorv
