// Tuning from the workbench's data table: the rows it reads, the best error it draws, and the undo step.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stop_token>
#include <sstream>
#include <string>

#include "app/core/data/DataTable.h"
#include "app/core/data/RuleBaseDataSource.h"
#include "app/core/tuning/BestErrorTrace.h"
#include "app/core/tuning/DataTableTuning.h"
#include "app/core/tuning/ErrorTracePlot.h"
#include "app/core/tuning/VocabularyUndoStep.h"
#include "fuzzy/expression/ESyntax.h"
#include "rulebase/CRuleBase.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TuningData.h"

namespace zorv {
namespace {

std::string HeaterText() { return test::fileText(std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb"); }

// The disturbed heater's table of rows the true heater made.
DataTable TableFor(const CRuleBase& unit, int rows) {
    DataTable table(RuleBaseDataSource::LayoutOf(unit));
    std::istringstream data(test::DataFileText(test::RowsFrom(*CRuleBase::LoadFromText(HeaterText(), "truth"), rows, 2)));
    table.Import(data);
    return table;
}

TEST(DataTableTuning, ReadsEveryRowAsNumbersOrSaysWhichRowIsNot) {
    const auto unit = CRuleBase::LoadFromText(HeaterText(), "heater");
    DataTable table = TableFor(*unit, 30);
    std::string problem;
    const auto rows = DataTableTuning::RowsOf(table, problem);
    ASSERT_TRUE(rows) << problem;
    EXPECT_EQ(rows->Count(), 30);
    EXPECT_EQ(rows->Expected(29), *table.Grid().Number(DataGrid::kHeaderRows + 29, 3));

    table.Grid().SetCell(DataGrid::kHeaderRows + 6, 3, "warm");
    EXPECT_FALSE(DataTableTuning::RowsOf(table, problem));
    EXPECT_EQ(problem, "Row 7: 'warm' is not a number.");
    EXPECT_FALSE(DataTableTuning::RowsOf(DataTable(RuleBaseDataSource::LayoutOf(*unit)), problem));
    EXPECT_EQ(problem, "The table holds no data rows to tune to.");
}

TEST(DataTableTuning, RunsOnItsOwnCopyDrawsTheBestErrorAndStopsWithTheBestSoFar) {
    auto unit = CRuleBase::LoadFromText(test::DisturbedHeater(HeaterText()), "disturbed");
    const DataTable table = TableFor(*unit, 300);
    TuningOptions options;
    options.limits.evaluations = 300;
    const DataTableTuning job(*unit, table, options);
    unit->SetRules(std::vector<RuleRow>{{true, {"sm", "sm", "bi"}}});  // the job tunes the copy made before

    BestErrorTrace trace;
    int reports = 0;
    const JobControl control{[&reports](int, int) { ++reports; }, {}};
    const DataTableTuningRun run = job.Run(control, trace);
    ASSERT_TRUE(run.result) << run.refusal;
    EXPECT_EQ(run.result->tuned->RuleCount(), 10);
    EXPECT_GE(reports, 300 - 6);
    const auto points = trace.Points();
    ASSERT_GE(points.size(), 2u);
    for (std::size_t i = 1; i < points.size(); ++i) EXPECT_LT(points[i].best, points[i - 1].best);
    EXPECT_EQ(points.back().best, run.result->search.value);

    std::stop_source stop;
    stop.request_stop();
    const DataTableTuningRun stopped = job.Run({{}, stop.get_token()}, trace);
    ASSERT_TRUE(stopped.result);
    EXPECT_EQ(stopped.result->search.end, SearchOutcome::End::stopped);
}

TEST(ErrorTracePlot, DrawsAStaircaseFromTheFirstErrorDownToTheLatest) {
    const std::vector<BestErrorTrace::Point> trace = {{1, 20.0}, {50, 10.0}, {100, 5.0}};
    const auto line = ErrorTracePlot::Line(trace, 150, 200, 400, 100);
    const std::vector<std::pair<double, double>> expected = {{2, 0}, {100, 0}, {100, 50}, {200, 50}, {200, 75}, {300, 75}};
    ASSERT_EQ(line.size(), expected.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        EXPECT_DOUBLE_EQ(line[i].x, expected[i].first) << i;
        EXPECT_DOUBLE_EQ(line[i].y, expected[i].second) << i;
    }
    EXPECT_TRUE(ErrorTracePlot::Line({}, 10, 200, 400, 100).empty());
}

TEST(VocabularyUndoStep, PutsTheOtherVocabulariesBackUnderTheRulesAndChoicesOfNow) {
    const auto before = CRuleBase::LoadFromText(HeaterText(), "heater");
    auto unit = CRuleBase::LoadFromText(test::DisturbedHeater(HeaterText()), "heater");
    VocabularyUndoStep step(*before, *unit);
    std::vector<RuleRow> rules = unit->Rules();
    rules[0].texts[0] = "about 32";  // outside <10, 30>: no longer compiles once the step is undone
    unit->SetRules(rules);
    unit->SetDefuzzificationMethod(*FindDefuzzificationMethod("MeanOfMaxima"));

    EXPECT_THROW(step.Undo(*unit), ESyntax);
    EXPECT_TRUE(step.Undone());
    EXPECT_EQ(unit->ContextLow(0), 10);
    EXPECT_EQ(unit->Rules(), rules);
    EXPECT_EQ(unit->DefuzzificationMethod().fileKey, "MeanOfMaxima");
    step.Redo(*unit);
    EXPECT_EQ(unit->ContextLow(0), 14);
    EXPECT_EQ(unit->Rules(), rules);
}

}  // namespace
}  // namespace zorv
