#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "app/core/data/DataGrid.h"
#include "app/core/evaluation/JobControl.h"

namespace zorv {

// Writes the data table as an output file: every row, the two header rows included, and every column but
// the row labels, each cell followed by a tab and each row by a line break. Numbers take "," as their
// decimal mark: the contexts of the second header row ("<0.00, 1.00>" is written "<0,00, 1,00>") and every
// cell that holds a number ("0.25" is written "0,25"). Digit groups of computed numbers are dropped
// ("1,234.500000" is written "1234,500000") so that every number in the file reads back unambiguously.
// Names and other texts stay as they are ("est.", "Ling. Approx.", "very small"). Such a file imports
// again, its header rows being skipped.
class DataOutputWriter {
public:
    // Progress counts the rows written; a stop request abandons the write (false).
    static bool Write(const DataGrid& grid, std::ostream& out, const JobControl& control = {});

    // Writes through AtomicFileWriter; the error text when that fails or is stopped (the target is then
    // untouched).
    static std::optional<std::string> WriteFile(const DataGrid& grid, const std::filesystem::path& path,
                                                const JobControl& control = {});

    // The cell of the grid row as written to the file.
    static std::string FileText(const std::string& cell, int row);
};

}  // namespace zorv
