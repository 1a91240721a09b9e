#include "app/core/DataTable.h"

#include "app/core/DataFileImporter.h"
#include "app/core/DataOutputWriter.h"
#include "app/core/DataTableComputer.h"
#include "text/NumberText.h"

namespace zorv {

DataTable::DataTable(DataTableLayout layout) : layout_(std::move(layout)) { RebuildHeaders(); }

void DataTable::SetLayout(DataTableLayout layout) {
    layout_ = std::move(layout);
    RebuildHeaders();
}

void DataTable::SetLingApprox(bool on) {
    layout_.SetLingApprox(on);
    RebuildHeaders();
}

void DataTable::RebuildHeaders() {
    grid_.SetColumnCount(layout_.ColumnCount());
    for (int row = 0; row < DataGrid::kHeaderRows; ++row) {
        for (int column = 0; column < grid_.ColumnCount(); ++column) {
            grid_.SetCell(row, column, layout_.HeaderText(row, column));
        }
    }
}

DataImportResult DataTable::Import(const std::filesystem::path& path) {
    const DataImportResult result = DataFileImporter(layout_.InputCount()).ImportFile(path, grid_);
    if (result.Imported()) {
        dataFileName_ = path;
    }
    return result;
}

DataImportResult DataTable::Import(std::istream& in) { return DataFileImporter(layout_.InputCount()).Import(in, grid_); }

DataComputeResult DataTable::Compute(DataTableEvaluator& evaluator, const ProgressCallback& progress) {
    DataComputeResult result = DataTableComputer(layout_, evaluator).Compute(grid_, progress);
    if (result.maxError) {
        maxErrorText_ = NumberText::grouped(*result.maxError);
    }
    return result;
}

std::optional<std::string> DataTable::SaveOutput(const std::filesystem::path& path) const {
    return DataOutputWriter::WriteFile(grid_, path);
}

void DataTable::AddRow() { grid_.AppendRow(); }

void DataTable::DeleteRow(int row) { grid_.RemoveDataRow(row); }

std::filesystem::path DataTable::DefaultOutputPath() const {
    if (dataFileName_.empty()) {
        return {};
    }
    std::filesystem::path path = dataFileName_;
    return path.replace_extension(".out");
}

}  // namespace zorv
