#pragma once

#include <cstddef>
#include <filesystem>
#include <istream>
#include <string_view>

#include "app/core/data/BoundedLineReader.h"
#include "app/core/data/DataGrid.h"
#include "app/core/data/DataImportResult.h"
#include "app/core/evaluation/JobControl.h"

namespace zorv {

// Reads a data file into the data rows of the grid.
//
// Leading lines are headers as long as no number begins them; from the first line that begins with
// a number on, every line is a data row (a blank line too, with empty cells). In a row, "," becomes
// "." and the first inputCount + 1 blank-separated tokens (the inputs, then the expected output)
// go as text into columns 1, 2, ...; further tokens are ignored. Rows are labelled "1.", "2.", ...
//
// Whatever the bytes, the import ends: a line longer than the line limit, more rows than the row
// limit, more cell text than the text limit, or a read error stop it with the rows read so far.
// Progress counts the kibibytes read; a stop request ends the import as cancelled.
class DataFileImporter {
public:
    struct Limits {
        std::size_t maxLineBytes = BoundedLineReader::kDefaultMaxLineBytes;
        int maxRows = 1'000'000;
        std::size_t maxCellBytes = std::size_t{256} << 20;
    };

    explicit DataFileImporter(int inputCount) : DataFileImporter(inputCount, Limits{}) {}
    DataFileImporter(int inputCount, Limits limits) : inputCount_(inputCount), limits_(limits) {}

    // The grid is changed only when the file opens.
    DataImportResult ImportFile(const std::filesystem::path& path, DataGrid& grid,
                                const JobControl& control = {}) const;
    // totalBytes: the length of the input when known (for the progress), else 0.
    DataImportResult Import(std::istream& in, DataGrid& grid, const JobControl& control = {},
                            std::size_t totalBytes = 0) const;

private:
    // Fills the (empty) row from the line; returns the bytes of cell text written.
    std::size_t FillRow(std::string_view line, int row, DataGrid& grid) const;
    bool SkipHeaderLines(BoundedLineReader& reader, std::string& line, DataImportResult& result) const;
    static void DropTrailingBlankRows(int count, DataGrid& grid, DataImportResult& result);
    void StopReason(BoundedLineReader::Status status, const BoundedLineReader& reader,
                    DataImportResult& result) const;

    int inputCount_;
    Limits limits_;
};

}  // namespace zorv
