// The long commands of the data table as the workbench runs them: the first step on a worker, which only
// reads the table, then the results put in place; stop requests.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "app/core/data/DataTable.h"
#include "app/core/data/DataTableFTransform.h"
#include "app/core/data/DataTableLearning.h"
#include "app/core/data/RuleBaseDataSource.h"
#include "ftransform/command/FTransformTextTable.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/learning/LearningTextRows.h"
#include "rulebase/learning/RuleLearning.h"
#include "tests/support/ScratchFolder.h"
#include "text/NumberText.h"

namespace zorv {
namespace {

const std::filesystem::path kExamples = std::filesystem::path(ZORV_SOURCE_DIR) / "examples";

std::unique_ptr<CRuleBase> Heater() { return CRuleBase::Load((kExamples / "heater.rb").string()); }

DataTable HeaterTable(const CRuleBase& unit, bool lingApprox = false) {
    DataTable table(RuleBaseDataSource::LayoutOf(unit, lingApprox));
    table.Import(kExamples / "heater.txt");
    return table;
}

std::vector<std::string> ColumnTexts(const DataTable& table, int column) {
    std::vector<std::string> texts;
    for (int row = 0; row < table.Grid().RowCount(); ++row) texts.push_back(table.Grid().Cell(row, column));
    return texts;
}

// 5,000 rows spread over heater.rb's contexts, with a cell that is not a number in row 4,000.
DataTable SpreadTable(const CRuleBase& unit) {
    DataTable table(RuleBaseDataSource::LayoutOf(unit, true));
    DataGrid& grid = table.Grid();
    for (int i = 0; i < 5000; ++i) {
        const int row = DataGrid::kHeaderRows + i;
        if (i > 0) grid.AppendRow();
        grid.SetCell(row, 1, std::to_string(10 + (i * 7) % 21));
        grid.SetCell(row, 2, std::to_string(-25 + (i * 13) % 41));
        grid.SetCell(row, 3, std::to_string(i % 101));
    }
    grid.SetCell(DataGrid::kHeaderRows + 4000, 2, "cold");
    return table;
}

TEST(DataTableWork, ComputeOnAWorkerWithManyThreadsEqualsAForegroundRunOnOne) {
    const auto unit = Heater();
    DataTable foreground = SpreadTable(*unit);
    RuleBaseDataSource oneThread(*unit, 1);
    const DataComputeResult expected = foreground.Compute(oneThread);
    ASSERT_EQ(expected.RowsComputed(), 4000);

    DataTable background = SpreadTable(*unit);
    RuleBaseDataSource fourThreads(*unit, 4);
    DataComputation computation;
    std::thread([&] { computation = background.ComputeRows(fourThreads, {}); }).join();
    EXPECT_EQ(background.Grid().Cell(DataGrid::kHeaderRows, 4), "");  // the worker only read the table
    const DataComputeResult result = background.InstallComputation(std::move(computation));

    EXPECT_EQ(result.values, expected.values);
    EXPECT_EQ(result.stoppedAtRow, expected.stoppedAtRow);
    EXPECT_EQ(result.stopReason, "outdoor 'cold' is not a number");
    for (const int column : {4, 5}) EXPECT_EQ(ColumnTexts(background, column), ColumnTexts(foreground, column));
}

// Evaluates row by row and asks for a stop while it evaluates the third row.
class StoppingEvaluator final : public DataTableEvaluator {
public:
    double Evaluate(const double* inputs) override {
        if (++calls == 3) stop.request_stop();
        return inputs[0];
    }
    std::string TypicalExpression(double) const override { return "medium"; }

    std::stop_source stop;
    int calls = 0;
};

TEST(DataTableWork, AStoppedComputeKeepsTheRowsComputedSoFar) {
    const auto unit = Heater();
    DataTable table = HeaterTable(*unit, true);
    RuleBaseDataSource whole(*unit);
    table.Compute(whole);
    ASSERT_FALSE(table.MaxErrorText().empty());
    StoppingEvaluator evaluator;
    DataComputeResult result = table.InstallComputation(table.ComputeRows(evaluator, {{}, evaluator.stop.get_token()}));
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.RowsComputed(), 3);
    EXPECT_EQ(result.stoppedAtRow, DataGrid::kHeaderRows + 3);
    EXPECT_EQ(table.Grid().Cell(DataGrid::kHeaderRows + 2, 4), "16.000000");
    EXPECT_EQ(table.Grid().Cell(DataGrid::kHeaderRows + 2, 5), "medium");
    EXPECT_EQ(table.Grid().Cell(DataGrid::kHeaderRows + 3, 4), "");
    EXPECT_TRUE(table.MaxErrorText().empty());  // the earlier run's largest error went with its results

    // On the compiled rule base, a stop asked before the start keeps nothing.
    std::stop_source stopped;
    stopped.request_stop();
    RuleBaseDataSource source(*unit);
    result = table.InstallComputation(table.ComputeRows(source, {{}, stopped.get_token()}));
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.RowsComputed(), 0);
    EXPECT_EQ(table.Grid().Cell(DataGrid::kHeaderRows, 4), "");
}

// A cancelled import, and a file in which no line is a data row, do not trade the rows for an empty table.
TEST(DataTableWork, ACancelledImportOrAFileWithoutDataRowsLeavesTheTableAsItWas) {
    const auto unit = Heater();
    DataTable table = HeaterTable(*unit);
    std::stop_source stop;
    stop.request_stop();
    DataTable::ImportedData cancelled = table.ReadDataFile(kExamples / "fan.txt", {{}, stop.get_token()});
    EXPECT_EQ(cancelled.result.status, DataImportResult::Status::kCancelled);
    EXPECT_TRUE(cancelled.result.Message().empty());
    test::ScratchFolder folder;
    DataTable::ImportedData headers = table.ReadDataFile(folder.file("headers.txt", "indoor outdoor power\n\n"), {});
    EXPECT_TRUE(headers.result.NoDataRows());
    for (DataTable::ImportedData* data : {&cancelled, &headers}) {
        table.InstallImport(std::move(*data));
        EXPECT_EQ(table.DataFileName(), kExamples / "heater.txt");
        EXPECT_EQ(table.Grid().Cell(DataGrid::kHeaderRows, 1), "12");
    }
}

TEST(DataTableWork, LearningWorksOnACopyAndWritesNothingWhenCancelled) {
    test::ScratchFolder folder;
    const auto unit = Heater();
    const std::vector<RuleRow> before = unit->Rules();
    DataTable table(RuleBaseDataSource::LayoutOf(*unit));
    std::filesystem::copy_file(kExamples / "heater.txt", folder / "heater.txt");
    table.Import(folder / "heater.txt");  // the .rules file goes beside it

    std::stop_source stop;
    stop.request_stop();
    DataTableLearning cancelled(*unit, table, LearningMode::pentatomy, folder / "heater.rb");
    EXPECT_TRUE(cancelled.Run({{}, stop.get_token()}).cancelled);
    EXPECT_FALSE(std::filesystem::exists(cancelled.RulesFile()));

    DataTableLearning learning(*unit, table, LearningMode::pentatomy, folder / "heater.rb");
    const LearningOutcome outcome = learning.Run({});
    EXPECT_EQ(unit->Rules(), before);
    const std::unique_ptr<CRuleBase> learned = learning.TakeLearned();
    EXPECT_EQ(learning.TakeLearnedRules(), learned->Rules());  // listed on the worker for the undo history
    EXPECT_FALSE(DataTableLearning::Question(outcome));       // 13 rules: applied without asking

    // As the command line learns from the same rows.
    CRuleBase direct(*unit);
    std::vector<std::vector<std::string>> rows;
    for (int row = DataGrid::kHeaderRows; row < table.Grid().RowCount(); ++row)
        rows.push_back({table.Grid().Cell(row, 1), table.Grid().Cell(row, 2), table.Grid().Cell(row, 3)});
    const LearningOutcome expected =
        RuleLearning(direct, LearningMode::pentatomy).run(before, LearningTextRows(rows), folder / "direct.rules");
    EXPECT_EQ(outcome.added, expected.added);
    EXPECT_EQ(learned->Rules(), direct.Rules());
    EXPECT_EQ(test::fileText(learning.RulesFile()), test::fileText(folder / "direct.rules"));
    EXPECT_EQ(DataTableLearning::Report(outcome), std::to_string(expected.added) + " rules were added.");
    LearningOutcome unwritten = outcome;
    unwritten.rulesFileProblem = "cannot write d.rules: it is a directory";
    EXPECT_NE(DataTableLearning::Report(unwritten).find("could not be written: cannot write d.rules: it is a directory"),
              std::string::npos);
}

TEST(DataTableWork, FTransformReadsTheTableAndInstallsItsReconstruction) {
    const auto unit = Heater();
    DataTable table = HeaterTable(*unit, true);
    RuleBaseDataSource source(*unit);
    table.Compute(source);
    ASSERT_NE(table.Grid().Cell(DataGrid::kHeaderRows, 5), "");
    const std::vector<std::string> computed = ColumnTexts(table, 4);
    std::vector<PartitionSettings> axes;
    for (int k = 0; k < 2; ++k) axes.push_back({unit->ContextLow(k), unit->ContextHigh(k), 5, BasicFunctionShape::Sinusoidal});

    std::stop_source stop;
    stop.request_stop();
    DataTableFTransform cancelled(*unit, table);
    const FTransformOutcome none = cancelled.Fit(axes, 0.5, {{}, stop.get_token()});
    EXPECT_EQ(none.status, FTransformStatus::Cancelled);
    cancelled.Install(table, none.reconstruction);
    EXPECT_EQ(ColumnTexts(table, 4), computed);

    DataTableFTransform job(*unit, table);
    const FTransformOutcome outcome = job.Fit(axes, std::nullopt, {});
    EXPECT_EQ(ColumnTexts(table, 4), computed);
    job.Install(table, outcome.reconstruction);
    EXPECT_EQ(table.Grid().Cell(DataGrid::kHeaderRows, 5), "");  // the words described Compute's values
    EXPECT_EQ(table.Grid().Cell(0, 5), "Ling. Approx.");

    // As the command line fits the same rows.
    std::vector<std::vector<std::string>> rows;
    for (int row = DataGrid::kHeaderRows; row < table.Grid().RowCount(); ++row)
        rows.push_back({table.Grid().Cell(row, 1), table.Grid().Cell(row, 2), table.Grid().Cell(row, 3)});
    FTransformTextTable text(2, rows);
    const FTransformCommand command(DataTableFTransform::InputContexts(*unit), {0.0, 100.0});
    const FTransformOutcome expected = command.run(text, axes, std::nullopt);
    for (int i = 0; i < text.rowCount(); ++i) {
        EXPECT_EQ(table.Grid().Number(DataGrid::kHeaderRows + i, 4), NumberText::parseDecimal(text.reconstruction(i)));
    }
    EXPECT_EQ(table.MaxErrorText(), NumberText::grouped(*expected.reconstruction.maxError));

    // "inv F-Transform" with the same transform gives the same column.
    const std::vector<std::string> fitted = ColumnTexts(table, 4);
    DataTableFTransform inverse(*unit, table);
    inverse.Install(table, inverse.Inverse(*outcome.transform, {}));
    EXPECT_EQ(ColumnTexts(table, 4), fitted);
}

}  // namespace
}  // namespace zorv
