#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "app/core/DataGrid.h"

namespace zorv {

// Writes the data table as an output file: every row, the two header rows included, and every
// column but the row labels, each cell followed by a tab and each row by a line break, with "," as
// the decimal mark ("0.25" is written "0,25", "<0.00, 1.00>" as "<0,00, 1,00>"). Digit groups of
// computed numbers are dropped ("1,234.500000" is written "1234,500000") so that every number in
// the file reads back unambiguously; such a file imports again, its header rows being skipped.
class DataOutputWriter {
public:
    static void Write(const DataGrid& grid, std::ostream& out);

    // Writes through AtomicFileWriter; the error text when that fails (the target is then untouched).
    static std::optional<std::string> WriteFile(const DataGrid& grid, const std::filesystem::path& path);

    // The cell as written to the file.
    static std::string FileText(const std::string& cell);
};

}  // namespace zorv
