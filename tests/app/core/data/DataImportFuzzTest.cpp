// Bounded, deterministic fuzzing of the data-file import: random bytes and mutations of real data
// files must always give a result (rows or a reason), a consistent grid, and a Compute that ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <sstream>
#include <string>

#include "app/core/data/DataFileImporter.h"
#include "app/core/data/DataOutputWriter.h"
#include "app/core/data/DataTable.h"
#include "app/core/data/DataTableComputer.h"
#include "text/NumberText.h"

namespace zorv {
namespace {

class MeanEvaluator : public DataTableEvaluator {
public:
    double Evaluate(const double* inputs) override { return (inputs[0] + inputs[1]) / 2; }
    std::string TypicalExpression(double value) const override { return value < 0 ? "-me" : "me"; }
};

const char* const kSeeds[] = {
    "x y z\n0.1 0.2 0.3\n0,4 0,5 0,6\n1 1 1\n",
    "temperature\thumidity\test,\tpower\t\n<0,00, 1,00>\t<0,00, 1,00>\t\n1,5\t2\t3\t1,230,000000\t\n",
    "\r\n\r\n-1e3 +2.5e-3 .5\r\n\r\n7 8\n",
    "1 2 3 4 5 6 7 8 9\n",
};

std::string Mutate(std::string text, std::mt19937& random) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> kind(0, 6);
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < edits; ++i) {
        const std::size_t at = text.empty() ? 0 : random() % (text.size() + 1);
        switch (kind(random)) {
            case 0:
                if (at < text.size()) text[at] = static_cast<char>(byte(random));
                break;
            case 1:
                text.insert(at, 1, static_cast<char>(byte(random)));
                break;
            case 2:
                if (at < text.size()) text.erase(at, 1 + random() % 4);
                break;
            case 3:
                text.insert(at, 1 + random() % 300, "0123456789,.-+e \t\r\n\0"[random() % 20]);
                break;
            case 4: {
                const std::string head = text.substr(0, std::min<std::size_t>(text.size(), 40));
                text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), head.begin(), head.end());
                break;
            }
            case 5:
                text.insert(at, "\r\n");
                break;
            default:
                text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), '\0');
                break;
        }
    }
    return text;
}

std::string RandomBytes(std::mt19937& random) {
    std::string text(random() % 2000, '\0');
    for (char& c : text) {
        c = static_cast<char>(random() % 256);
    }
    return text;
}

void CheckImport(const std::string& text, std::size_t maxLineBytes) {
    DataTable table(DataTableLayout({{"x", -1, 1}, {"y", 0, 10}}, {{"z", 0, 5}}, true));
    DataFileImporter::Limits limits;
    limits.maxLineBytes = maxLineBytes;
    limits.maxRows = 200;
    std::istringstream in(text);
    const DataImportResult result = DataFileImporter(2, limits).Import(in, table.Grid());
    const DataGrid& grid = table.Grid();

    ASSERT_GE(result.rows, 0);
    ASSERT_LE(result.rows, limits.maxRows);
    ASSERT_EQ(grid.DataRowCount(), std::max(result.rows, 1));
    ASSERT_EQ(result.status == DataImportResult::Status::kPartial, !result.reason.empty());
    ASSERT_EQ(result.Message().find(std::to_string(result.rows) + " rows succesfully imported"), 0u);
    for (int i = 0; i < result.rows; ++i) {
        const int row = DataGrid::kHeaderRows + i;
        ASSERT_EQ(grid.Cell(row, 0), std::to_string(i + 1) + ".");
        for (int column = 1; column <= 3; ++column) {
            ASSERT_EQ(grid.Cell(row, column).find_first_of(", \t\r\n"), std::string::npos);
            ASSERT_LE(grid.Cell(row, column).size(), maxLineBytes);
        }
        ASSERT_TRUE(grid.Cell(row, 4).empty());
    }

    MeanEvaluator evaluator;
    const DataComputeResult computed = table.Compute(evaluator);
    ASSERT_LE(computed.RowsComputed(), grid.DataRowCount());
    for (int i = 0; i < computed.RowsComputed(); ++i) {
        ASSERT_TRUE(NumberText::parseDecimal(grid.Cell(DataGrid::kHeaderRows + i, 4)));
    }
    std::ostringstream out;
    DataOutputWriter::Write(grid, out);
    const std::string written = out.str();
    ASSERT_EQ(std::count(written.begin(), written.end(), '\n'), grid.RowCount());
}

TEST(DataImportFuzzTest, RandomBytesAndMutatedFilesAlwaysImportCleanly) {
    std::mt19937 random(20240611);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    int runs = 0;
    for (; runs < 6000 && std::chrono::steady_clock::now() < deadline; ++runs) {
        const std::string text = (runs % 4 == 0) ? RandomBytes(random)
                                                 : Mutate(kSeeds[runs % std::size(kSeeds)], random);
        const std::size_t maxLineBytes = (runs % 3 == 0) ? 64 : BoundedLineReader::kDefaultMaxLineBytes;
        ASSERT_NO_FATAL_FAILURE(CheckImport(text, maxLineBytes)) << "run " << runs;
    }
    EXPECT_GT(runs, 100);
}

}  // namespace
}  // namespace zorv
