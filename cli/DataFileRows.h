#pragma once

#include <string>
#include <vector>

#include "app/core/data/DataImportResult.h"

namespace zorv::cli {

// The rows of a data file as the data table imports them: header lines skipped up to the first line that
// begins with a number, then per line the first `valuesPerRow` blank-separated tokens ("," read as ".").
// A row may have fewer cells (a blank line has none).
struct DataFileRows {
    std::vector<std::vector<std::string>> rows;
    DataImportResult import;

    // A file that cannot be opened throws an I/O CliError.
    static DataFileRows read(const std::string& path, int valuesPerRow);
};

}  // namespace zorv::cli
