#include "app/core/data/DataFileImporter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/core/data/DataTableLayout.h"

namespace zorv {
namespace {

// Two inputs: columns 1, 2 inputs, 3 "est.", 4 computed.
DataGrid TwoInputGrid() { return DataGrid(DataTableLayout({{"x", 0, 1}, {"y", 0, 1}}, {{"z", 0, 1}}).ColumnCount()); }

DataImportResult ImportText(const std::string& text, DataGrid& grid, DataFileImporter::Limits limits = {}) {
    std::istringstream in(text);
    return DataFileImporter(2, limits).Import(in, grid);
}

std::vector<std::string> Row(const DataGrid& grid, int dataRow) {
    std::vector<std::string> cells;
    for (int column = 0; column < grid.ColumnCount(); ++column) {
        cells.push_back(grid.Cell(DataGrid::kHeaderRows + dataRow, column));
    }
    return cells;
}

using Cells = std::vector<std::string>;

TEST(DataFileImporterTest, SkipsHeaderLinesAndImportsTheNumericOnes) {
    DataGrid grid = TwoInputGrid();
    const auto result = ImportText("x y z\nsome words\n0.1 0.2 0.3\n0.4 0.5 0.6\n1 1 1\n", grid);
    EXPECT_EQ(result.status, DataImportResult::Status::kComplete);
    EXPECT_EQ(result.rows, 3);
    EXPECT_EQ(result.Message(), "3 rows succesfully imported");
    EXPECT_EQ(grid.DataRowCount(), 3);
    EXPECT_EQ(Row(grid, 0), Cells({"1.", "0.1", "0.2", "0.3", ""}));
    EXPECT_EQ(Row(grid, 2), Cells({"3.", "1", "1", "1", ""}));

    // A byte-order mark is not a header: the first row stays.
    EXPECT_EQ(ImportText("\xEF\xBB\xBF" "0.1 0.2 0.3\n1 1 1\n", grid).rows, 2);
    EXPECT_EQ(Row(grid, 0), Cells({"1.", "0.1", "0.2", "0.3", ""}));
}

TEST(DataFileImporterTest, SplitsTokensAndNormalisesTheDecimalMark) {
    struct Case {
        const char* line;
        Cells cells;
    };
    const Case cases[] = {
        {"0,1\t0,2   0,3", {"1.", "0.1", "0.2", "0.3", ""}},
        {"  1 2 3 4 5 6", {"1.", "1", "2", "3", ""}},     // tokens after the expected value are ignored
        {"1 2", {"1.", "1", "2", "", ""}},                 // no expected value
        {"1\v2\f3\r", {"1.", "1", "2", "3", ""}},
        {"1 abc 3", {"1.", "1", "abc", "3", ""}},         // cells are text; Compute judges them
        {"1,234.5 2 3", {"1.", "1.234.5", "2", "3", ""}},
    };
    for (const auto& c : cases) {
        DataGrid grid = TwoInputGrid();
        ImportText(c.line, grid);
        EXPECT_EQ(Row(grid, 0), c.cells) << c.line;
    }
}

TEST(DataFileImporterTest, BlankLineBetweenDataLinesBecomesAnEmptyRowButNotAtTheEnd) {
    DataGrid grid = TwoInputGrid();
    EXPECT_EQ(ImportText("1 2 3\n\n4 5 6\n", grid).rows, 3);
    EXPECT_EQ(Row(grid, 1), Cells({"2.", "", "", "", ""}));
    EXPECT_EQ(Row(grid, 2), Cells({"3.", "4", "5", "6", ""}));

    // Blank lines at the end are no rows.
    EXPECT_EQ(ImportText("1 2 3\n\n4 5 6\n\n \t\r\n", grid).rows, 3);
    EXPECT_EQ(grid.DataRowCount(), 3);
}

TEST(DataFileImporterTest, EmptyOrHeaderOnlyInputLeavesOneEmptyRow) {
    for (const char* text : {"", "\n\n", "header only\nmore header\n", "inf 1 2\nnan 3 4"}) {
        DataGrid grid = TwoInputGrid();
        grid.SetCell(2, 1, "old");
        const auto result = ImportText(text, grid);
        EXPECT_EQ(result.rows, 0) << text;
        EXPECT_EQ(result.Message(), "0 rows succesfully imported");
        EXPECT_EQ(grid.DataRowCount(), 1);
        EXPECT_EQ(Row(grid, 0), Cells(5, "")) << text;
    }
}

TEST(DataFileImporterTest, ReplacesEveryEarlierRowWhole) {
    DataGrid grid = TwoInputGrid();
    ImportText("1 2 3 \n4 5 6\n7 8 9\n", grid);
    for (int row = 2; row < grid.RowCount(); ++row) {
        grid.SetCell(row, 4, "stale");
    }
    ImportText("9 9", grid);
    EXPECT_EQ(grid.DataRowCount(), 1);
    EXPECT_EQ(Row(grid, 0), Cells({"1.", "9", "9", "", ""}));
}

TEST(DataFileImporterTest, LineOverTheLimitStopsWithTheRowsBefore) {
    DataGrid grid = TwoInputGrid();
    const std::string text = "1 2 3\n4 5 6\n" + std::string(2000, '1') + "\n7 8 9\n";
    DataFileImporter::Limits limits;
    limits.maxLineBytes = 1000;
    const auto result = ImportText(text, grid, limits);
    EXPECT_EQ(result.status, DataImportResult::Status::kPartial);
    EXPECT_EQ(result.rows, 2);
    EXPECT_EQ(result.Message(), "2 rows succesfully imported, remaining skipped!");
    EXPECT_EQ(result.reason, "line 3 is longer than 1000 bytes");
    EXPECT_EQ(grid.DataRowCount(), 2);
}

TEST(DataFileImporterTest, HeaderLineOverTheLimitImportsNothing) {
    DataGrid grid = TwoInputGrid();
    DataFileImporter::Limits limits;
    limits.maxLineBytes = 10;
    const auto result = ImportText("a very long header line\n1 2 3\n", grid, limits);
    EXPECT_EQ(result.status, DataImportResult::Status::kPartial);
    EXPECT_EQ(result.rows, 0);
}

TEST(DataFileImporterTest, RowAndTextLimitsStopTheImport) {
    DataFileImporter::Limits rows;
    rows.maxRows = 2;
    DataGrid grid = TwoInputGrid();
    auto result = ImportText("1\n2\n3\n4\n", grid, rows);
    EXPECT_EQ(result.status, DataImportResult::Status::kPartial);
    EXPECT_EQ(result.rows, 2);
    EXPECT_EQ(grid.DataRowCount(), 2);
    EXPECT_EQ(ImportText("1\n2\n", grid, rows).status, DataImportResult::Status::kComplete);

    DataFileImporter::Limits text;
    text.maxCellBytes = 10;
    result = ImportText("1111 2222 3333\n4444 5555 6666\n7 8 9\n", grid, text);
    EXPECT_EQ(result.status, DataImportResult::Status::kPartial);
    EXPECT_EQ(result.rows, 1);
}

TEST(DataFileImporterTest, FilesThatCannotBeOpenedLeaveTheGridAlone) {
    DataGrid grid = TwoInputGrid();
    grid.SetCell(2, 1, "kept");
    const DataFileImporter importer(2);
    const auto missing = importer.ImportFile("/nonexistent/folder/data.txt", grid);
    EXPECT_EQ(missing.status, DataImportResult::Status::kCannotOpen);
    EXPECT_FALSE(missing.Imported());
    EXPECT_NE(missing.Message().find("no such file"), std::string::npos);
    const auto folder = importer.ImportFile(std::filesystem::temp_directory_path(), grid);
    EXPECT_EQ(folder.status, DataImportResult::Status::kCannotOpen);
    EXPECT_EQ(grid.Cell(2, 1), "kept");
}

TEST(DataFileImporterTest, ImportsAFileFromDisk) {
    const auto path = std::filesystem::temp_directory_path() / "zorv-import-test.txt";
    {
        std::ofstream out(path, std::ios::binary);
        out << "x\ty\tz\r\n0,25\t0,5\t0,75\r\n";
    }
    DataGrid grid = TwoInputGrid();
    const auto result = DataFileImporter(2).ImportFile(path, grid);
    std::filesystem::remove(path);
    EXPECT_EQ(result.rows, 1);
    EXPECT_EQ(Row(grid, 0), Cells({"1.", "0.25", "0.5", "0.75", ""}));
}

}  // namespace
}  // namespace zorv
