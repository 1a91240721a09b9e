#include "app/core/data/DataTable.h"

#include "app/core/data/DataFileImporter.h"
#include "app/core/data/DataOutputWriter.h"
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

DataTable::ImportedData DataTable::ReadDataFile(const std::filesystem::path& path, const JobControl& control) const {
    ImportedData data{DataGrid(layout_.ColumnCount()), {}, path};
    data.result = DataFileImporter(layout_.InputCount()).ImportFile(path, data.grid, control);
    return data;
}

void DataTable::InstallImport(ImportedData data) {
    if (!data.result.Imported() || data.result.NoDataRows()) {
        return;
    }
    grid_ = std::move(data.grid);
    dataFileName_ = std::move(data.path);
    RebuildHeaders();
}

DataComputeResult DataTable::Compute(DataTableEvaluator& evaluator, const ProgressCallback& progress) {
    return InstallComputation(ComputeRows(evaluator, {progress, {}}));
}

DataComputation DataTable::ComputeRows(DataTableEvaluator& evaluator, const JobControl& control) const {
    return DataTableComputer(layout_, evaluator).Run(grid_, control);
}

DataComputeResult DataTable::InstallComputation(DataComputation computation) {
    DataTableComputer::Install(grid_, layout_, computation);
    // The label describes the results the table shows: a run that stopped early leaves rows without one.
    maxErrorText_ = computation.result.maxError ? NumberText::grouped(*computation.result.maxError) : std::string();
    return std::move(computation.result);
}

std::optional<std::string> DataTable::SaveOutput(const std::filesystem::path& path, const JobControl& control) const {
    return DataOutputWriter::WriteFile(grid_, path, control);
}

// The words of the "Ling. Approx." column described the values of the last Compute, which the
// reconstruction replaces: they go with them.
void DataTable::InstallReconstruction(DataColumn column, const std::string& maxErrorText) {
    grid_.ReplaceColumn(layout_.OutputColumn(0), std::move(column));
    if (layout_.LingApprox()) {
        const int words = layout_.LingApproxColumn();
        DataColumn blank;
        blank.Resize(grid_.RowCount());
        for (int row = 0; row < DataGrid::kHeaderRows; ++row) blank.SetText(row, grid_.Cell(row, words));
        grid_.ReplaceColumn(words, std::move(blank));
    }
    maxErrorText_ = maxErrorText;
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
