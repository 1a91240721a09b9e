#include "app/core/data/DataTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/core/data/DataOutputWriter.h"
#include "tests/support/ScratchFolder.h"

namespace zorv {
namespace {

// Output = sum of the inputs; typical expression names the value's sign.
class SumEvaluator : public DataTableEvaluator {
public:
    explicit SumEvaluator(int inputs) : inputs_(inputs) {}

    double Evaluate(const double* inputs) override {
        double sum = 0.0;
        for (int k = 0; k < inputs_; ++k) {
            sum += inputs[k];
        }
        seen.emplace_back(inputs, inputs + inputs_);
        return sum;
    }
    std::string TypicalExpression(double value) const override { return value < 0 ? "-small" : "big"; }

    std::vector<std::vector<double>> seen;

private:
    int inputs_;
};

DataTableLayout TwoInOneOut(bool lingApprox = false) {
    return DataTableLayout({{"temperature", -20, 40}, {"humidity", 0, 100}}, {{"power", 0, 1000}}, lingApprox);
}

std::vector<std::string> RowTexts(const DataGrid& grid, int row) {
    std::vector<std::string> cells;
    for (int column = 0; column < grid.ColumnCount(); ++column) {
        cells.push_back(grid.Cell(row, column));
    }
    return cells;
}

using Cells = std::vector<std::string>;

TEST(DataTableTest, HeaderRowsNameTheVariablesAndTheirContexts) {
    DataTable table(TwoInOneOut());
    EXPECT_EQ(table.Grid().ColumnCount(), 5);
    EXPECT_EQ(RowTexts(table.Grid(), 0), Cells({"", "temperature", "humidity", "est.", "power"}));
    EXPECT_EQ(RowTexts(table.Grid(), 1),
              Cells({"", "<-20.00, 40.00>", "<0.00, 100.00>", "<0.00, 1000.00>", "<0.00, 1000.00>"}));
    EXPECT_EQ(table.Grid().DataRowCount(), 1);

    table.SetLingApprox(true);
    EXPECT_EQ(table.Grid().ColumnCount(), 6);
    EXPECT_EQ(table.Grid().Cell(0, 5), "Ling. Approx.");
    EXPECT_EQ(table.Grid().Cell(1, 5), "<0.00, 1000.00>");
    table.SetLingApprox(false);
    EXPECT_EQ(table.Grid().ColumnCount(), 5);
}

TEST(DataTableTest, ColumnsFollowTheNumberOfVariables) {
    const DataTableLayout layout({{"a", 0, 1}}, {{"p", 0, 1}, {"q", -1, 1}}, true);
    EXPECT_EQ(layout.ExpectedColumn(), 2);
    EXPECT_EQ(layout.OutputColumn(0), 3);
    EXPECT_EQ(layout.OutputColumn(1), 4);
    EXPECT_EQ(layout.LingApproxColumn(), 5);
    EXPECT_EQ(layout.ColumnCount(), 6);
    EXPECT_EQ(layout.HeaderText(0, 4), "q");
    EXPECT_EQ(layout.HeaderText(1, 4), "<-1.00, 1.00>");
    EXPECT_EQ(layout.HeaderText(1, 2), "<0.00, 1.00>");  // "est." has the context of output 0
    EXPECT_EQ(layout.HeaderText(0, 0), "");
    EXPECT_EQ(layout.HeaderText(2, 1), "");
    EXPECT_EQ(layout.HeaderText(0, 6), "");
    EXPECT_EQ(DataTableLayout::ContextText(0.126, 1e6), "<0.13, 1000000.00>");
}

TEST(DataTableTest, AddAndDeleteRows) {
    DataTable table(TwoInOneOut());
    std::istringstream in("1 2 3\n4 5 6\n7 8 9\n");
    table.Import(in);
    table.AddRow();
    EXPECT_EQ(table.Grid().DataRowCount(), 4);
    EXPECT_EQ(RowTexts(table.Grid(), 5), Cells(5, ""));

    table.DeleteRow(3);  // "2." goes, the rows below move up keeping their labels
    EXPECT_EQ(table.Grid().DataRowCount(), 3);
    EXPECT_EQ(table.Grid().Cell(3, 0), "3.");
    table.DeleteRow(0);  // header rows are not data rows
    table.DeleteRow(99);
    EXPECT_EQ(table.Grid().DataRowCount(), 3);

    table.DeleteRow(2);
    table.DeleteRow(2);
    table.DeleteRow(2);  // the last data row is emptied, not removed
    EXPECT_EQ(table.Grid().DataRowCount(), 1);
    EXPECT_EQ(RowTexts(table.Grid(), 2), Cells(5, ""));
    EXPECT_EQ(table.Grid().Cell(0, 1), "temperature");
}

TEST(DataTableTest, ComputeClampsInputsWritesResultsAndTheLargestError) {
    DataTable table(TwoInOneOut(true));
    std::istringstream in("t h est\n10 20 30\n-50 0,5 -19\n100 200 1234\n");
    ASSERT_EQ(table.Import(in).rows, 3);
    SumEvaluator evaluator(2);
    std::vector<std::pair<int, int>> progress;
    const auto result = table.Compute(evaluator, [&](int done, int total) { progress.emplace_back(done, total); });

    ASSERT_EQ(evaluator.seen.size(), 3u);
    EXPECT_EQ(evaluator.seen[1], std::vector<double>({-20.0, 0.5}));  // raised to the low bound
    EXPECT_EQ(evaluator.seen[2], std::vector<double>({40.0, 100.0}));  // lowered to the high bound
    EXPECT_EQ(result.values, std::vector<double>({30.0, -19.5, 140.0}));
    EXPECT_FALSE(result.stoppedAtRow);
    EXPECT_EQ(table.Grid().Cell(2, 4), "30.000000");
    EXPECT_EQ(table.Grid().Cell(3, 4), "-19.500000");
    EXPECT_EQ(table.Grid().Cell(4, 4), "140.000000");
    EXPECT_EQ(table.Grid().Cell(3, 5), "-small");
    EXPECT_EQ(table.Grid().Cell(4, 5), "big");
    ASSERT_TRUE(result.maxError);
    EXPECT_DOUBLE_EQ(*result.maxError, 1094.0);
    EXPECT_EQ(table.MaxErrorText(), "1,094.000000");
    EXPECT_EQ(progress.front(), std::make_pair(0, 3));
    EXPECT_EQ(progress.back(), std::make_pair(3, 3));
}

TEST(DataTableTest, ResultsAreRoundedToThreeSignificantDigitsBeforeTheErrorIsTaken) {
    DataTable table(DataTableLayout({{"x", 0, 10000}}, {{"y", 0, 10000}}));
    std::istringstream in("1234.5 1234.5\n");
    table.Import(in);
    SumEvaluator evaluator(1);
    const auto result = table.Compute(evaluator);
    EXPECT_EQ(table.Grid().Cell(2, 3), "1,230.000000");
    EXPECT_EQ(result.values, std::vector<double>({1234.5}));
    ASSERT_TRUE(result.maxError);
    EXPECT_DOUBLE_EQ(*result.maxError, 4.5);
}

TEST(DataTableTest, NonNumericInputStopsComputeSilentlyAndClearsOlderResults) {
    DataTable table(TwoInOneOut());
    std::istringstream in("1 2 3\n4 5 9\n\n7 8 15\n");
    table.Import(in);
    table.Grid().SetCell(5, 4, "stale");
    SumEvaluator evaluator(2);
    const auto result = table.Compute(evaluator);
    EXPECT_EQ(result.RowsComputed(), 2);
    EXPECT_EQ(result.stoppedAtRow, 4);
    EXPECT_EQ(table.Grid().Cell(3, 4), "9.000000");
    EXPECT_EQ(table.Grid().Cell(5, 4), "");
    EXPECT_FALSE(result.maxError);
    EXPECT_EQ(result.maxErrorProblem, "'' is not a valid floating point value");
    EXPECT_EQ(table.MaxErrorText(), "");  // rows without a result have no error
}

// Refuses to evaluate the second row it is given.
class RefusingEvaluator : public SumEvaluator {
public:
    RefusingEvaluator() : SumEvaluator(2) {}
    double Evaluate(const double* inputs) override {
        if (++calls_ == 2) {
            throw std::runtime_error("too many inferences");
        }
        return SumEvaluator::Evaluate(inputs);
    }

private:
    int calls_ = 0;
};

TEST(DataTableTest, StopReasonNamesTheCellOrTheRefusal) {
    DataTable table(TwoInOneOut());
    std::istringstream in("1 2 3\n4 5 9\n7 x 15\n");
    table.Import(in);
    SumEvaluator sum(2);
    const auto stopped = table.Compute(sum);
    EXPECT_EQ(stopped.stoppedAtRow, 4);
    EXPECT_EQ(stopped.stopReason, "humidity 'x' is not a number");

    RefusingEvaluator refusing;
    const auto refused = table.Compute(refusing);
    EXPECT_EQ(refused.RowsComputed(), 1);
    EXPECT_EQ(refused.stoppedAtRow, 3);
    EXPECT_EQ(refused.stopReason, "too many inferences");
    EXPECT_EQ(table.Grid().Cell(3, 4), "");
}

TEST(DataTableTest, MissingExpectedValueIsReportedWhenTheErrorIsTaken) {
    DataTable table(TwoInOneOut());
    std::istringstream in("1 2 x\n");
    table.Import(in);
    SumEvaluator evaluator(2);
    const auto first = table.Compute(evaluator);
    EXPECT_EQ(first.RowsComputed(), 1);
    EXPECT_EQ(first.maxErrorProblem, "'x' is not a valid floating point value");
}

TEST(DataTableTest, TableWithoutOutputVariableComputesNothing) {
    DataTable table(DataTableLayout({{"x", 0, 1}}, {}));
    std::istringstream in("0.5 1\n");
    table.Import(in);
    SumEvaluator evaluator(1);
    const auto result = table.Compute(evaluator);
    EXPECT_TRUE(result.values.empty());
    EXPECT_TRUE(evaluator.seen.empty());
    EXPECT_FALSE(result.maxErrorProblem.empty());
}

class DataTableFileTest : public ::testing::Test {
protected:
    static std::string ReadAll(const std::filesystem::path& path) { return test::fileText(path); }

    test::ScratchFolder folder_;
};

// Only numbers take the comma: names and other texts keep their points.
TEST_F(DataTableFileTest, SavedOutputUsesCommaMarksTabsAndDropsDigitGroups) {
    DataTable table(TwoInOneOut());
    const auto data = folder_ / "heater.txt";
    std::ofstream(data) << "t h p\n10 20 30\n20.5 980 1000\n";
    ASSERT_EQ(table.Import(data).rows, 2);
    EXPECT_EQ(table.DataFileName(), data);
    EXPECT_EQ(table.DefaultOutputPath(), folder_ / "heater.out");
    SumEvaluator evaluator(2);
    table.Compute(evaluator);

    ASSERT_FALSE(table.SaveOutput(table.DefaultOutputPath()));
    EXPECT_EQ(ReadAll(table.DefaultOutputPath()),
              "temperature\thumidity\test.\tpower\t\n"
              "<-20,00, 40,00>\t<0,00, 100,00>\t<0,00, 1000,00>\t<0,00, 1000,00>\t\n"
              "10\t20\t30\t30,000000\t\n"
              "20,5\t980\t1000\t120,000000\t\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.root()), std::filesystem::directory_iterator()), 2);
}

TEST_F(DataTableFileTest, SavedOutputImportsBackToTheSameInputsAndExpectedValues) {
    DataTable table(TwoInOneOut(true));
    std::istringstream in("1,5 2 3\n4 5 6\n");
    table.Import(in);
    SumEvaluator evaluator(2);
    table.Compute(evaluator);
    table.Grid().SetCell(3, 4, "1,234.500000");
    table.Grid().SetCell(3, 5, "n.a.");
    const auto out = folder_ / "table.out";
    ASSERT_FALSE(table.SaveOutput(out));
    EXPECT_NE(ReadAll(out).find("\tLing. Approx.\t\n"), std::string::npos);
    EXPECT_NE(ReadAll(out).find("\t1234,500000\tn.a.\t\n"), std::string::npos);

    DataTable again(TwoInOneOut());
    const auto result = again.Import(out);
    EXPECT_EQ(result.rows, 2);
    EXPECT_EQ(RowTexts(again.Grid(), 2), Cells({"1.", "1.5", "2", "3", ""}));
    EXPECT_EQ(RowTexts(again.Grid(), 3), Cells({"2.", "4", "5", "6", ""}));
}

TEST_F(DataTableFileTest, FailedSaveLeavesTheTargetAndNoTemporaryFile) {
    DataTable table(TwoInOneOut());
    const auto target = folder_ / "kept.out";
    std::ofstream(target) << "old";
    std::filesystem::create_directory(folder_ / "sub");
    const auto intoFolder = table.SaveOutput(folder_ / "sub");
    ASSERT_TRUE(intoFolder);
    EXPECT_NE(intoFolder->find("directory"), std::string::npos);
    EXPECT_TRUE(table.SaveOutput(folder_ / "missing" / "x.out"));
    EXPECT_EQ(ReadAll(target), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.root()), std::filesystem::directory_iterator()), 2);
    ASSERT_FALSE(table.SaveOutput(target));
    EXPECT_NE(ReadAll(target), "old");
}

TEST_F(DataTableFileTest, ImportThatCannotOpenKeepsTheDataFileName) {
    DataTable table(TwoInOneOut());
    EXPECT_FALSE(table.Import(folder_ / "nothing.txt").Imported());
    EXPECT_TRUE(table.DataFileName().empty());
    EXPECT_TRUE(table.DefaultOutputPath().empty());
}

}  // namespace
}  // namespace zorv
