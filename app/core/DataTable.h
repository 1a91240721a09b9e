#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <string>

#include "app/core/DataComputeResult.h"
#include "app/core/DataGrid.h"
#include "app/core/DataImportResult.h"
#include "app/core/DataTableEvaluator.h"
#include "app/core/DataTableLayout.h"

namespace zorv {

// The "Input / Output" table of the rule base editor without its widgets: the grid of text cells
// with its two header rows, the last imported data file, and the commands Import, Compute,
// Save output, Add Row and Delete Row. A view shows Grid() and calls these commands.
class DataTable {
public:
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

    // Computes every data row; the Max. Error text changes only when the largest error was found.
    DataComputeResult Compute(DataTableEvaluator& evaluator, const ProgressCallback& progress = {});

    // Writes the output file; the error text when that fails.
    std::optional<std::string> SaveOutput(const std::filesystem::path& path) const;

    // Appends a data row with every cell empty and no row label.
    void AddRow();
    // Removes a data row (grid row index); the rows below move up. The only data row is emptied.
    void DeleteRow(int row);

    const std::filesystem::path& DataFileName() const { return dataFileName_; }
    // The data file's name with the extension ".out", offered when saving.
    std::filesystem::path DefaultOutputPath() const;
    // The largest error of the last Compute that found one, as the "Max. Error:" label shows it.
    const std::string& MaxErrorText() const { return maxErrorText_; }

private:
    DataTableLayout layout_;
    DataGrid grid_;
    std::filesystem::path dataFileName_;
    std::string maxErrorText_;
};

}  // namespace zorv
