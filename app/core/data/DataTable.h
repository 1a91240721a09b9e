#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <string>

#include "app/core/data/DataComputeResult.h"
#include "app/core/data/DataGrid.h"
#include "app/core/data/DataImportResult.h"
#include "app/core/data/DataTableEvaluator.h"
#include "app/core/data/DataTableComputer.h"
#include "app/core/data/DataTableLayout.h"
#include "app/core/evaluation/JobControl.h"

namespace zorv {

// The "Input / Output" table of the rule base editor without its widgets: the grid of text cells
// with its two header rows, the last imported data file, and the commands Import, Compute,
// Save output, Add Row and Delete Row. A view shows Grid() and calls these commands.
//
// The long commands also come in two steps, so that a window can run the first on a worker: a const
// step that reads the table (and changes nothing, so it may run while nothing else writes to the table),
// and an Install step on the table's own thread that puts the results in place.
class DataTable {
public:
    // A data file read into a grid of its own, not yet in the table.
    struct ImportedData {
        DataGrid grid;
        DataImportResult result;
        std::filesystem::path path;
    };

    explicit DataTable(DataTableLayout layout = {});

    const DataGrid& Grid() const { return grid_; }
    DataGrid& Grid() { return grid_; }
    const DataTableLayout& Layout() const { return layout_; }

    // Takes the variables of the rule base (after they changed) and rebuilds the header rows.
    void SetLayout(DataTableLayout layout);
    // Shows or hides the "Ling. Approx." column; the header rows are rebuilt.
    void SetLingApprox(bool on);
    // Sets the column count and writes the two header rows from the layout.
    void RebuildHeaders();

    // Imports a data file; on success (even a partial one) it becomes the data file name.
    DataImportResult Import(const std::filesystem::path& path);
    DataImportResult Import(std::istream& in);
    ImportedData ReadDataFile(const std::filesystem::path& path, const JobControl& control) const;
    // Takes the rows when the file was imported (even part of it); a file that could not be opened, one
    // without a data row, or a cancelled import leaves the table as it was.
    void InstallImport(ImportedData data);

    // Computes every data row; the Max. Error text is emptied when the largest error cannot be found (a run
    // stopped early, a cell that is not a number).
    DataComputeResult Compute(DataTableEvaluator& evaluator, const ProgressCallback& progress = {});
    DataComputation ComputeRows(DataTableEvaluator& evaluator, const JobControl& control) const;
    DataComputeResult InstallComputation(DataComputation computation);

    // Writes the output file; the error text when that fails or is cancelled.
    std::optional<std::string> SaveOutput(const std::filesystem::path& path, const JobControl& control = {}) const;

    // The F-transform's reconstruction: the new first computed column and the largest error it gives; the
    // "Ling. Approx." column, which described the replaced values, is emptied.
    void InstallReconstruction(DataColumn column, const std::string& maxErrorText);

    // Appends a data row with every cell empty and no row label.
    void AddRow();
    // Removes a data row (grid row index); the rows below move up. The only data row is emptied.
    void DeleteRow(int row);

    const std::filesystem::path& DataFileName() const { return dataFileName_; }
    // The data file's name with the extension ".out", offered when saving.
    std::filesystem::path DefaultOutputPath() const;
    // The largest error of the results shown, as the "Max. Error:" label shows it; empty when unknown.
    const std::string& MaxErrorText() const { return maxErrorText_; }

private:
    DataTableLayout layout_;
    DataGrid grid_;
    std::filesystem::path dataFileName_;
    std::string maxErrorText_;
};

}  // namespace zorv
