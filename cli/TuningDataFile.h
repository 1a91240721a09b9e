#pragma once

#include <string>

#include "tuning/TuningRows.h"

namespace zorv::cli {

// The rows of a data file for tuning, read as "zorv compute" reads them (header lines skipped, "." or "," as
// the decimal mark, further values ignored): per row the input values and the expected output. A row without
// those numbers, or a file whose reading stopped part-way, is bad input (a CliError naming the row or the
// reason), since fitting a part of the data without saying so would mislead.
class TuningDataFile {
public:
    static TuningRows Read(const std::string& path, int inputCount);
};

}  // namespace zorv::cli
