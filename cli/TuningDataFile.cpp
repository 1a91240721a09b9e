#include "cli/TuningDataFile.h"

#include <vector>

#include "cli/CliError.h"
#include "cli/DataFileRows.h"
#include "text/NumberText.h"
#include "text/TextExcerpt.h"

namespace zorv::cli {

TuningRows TuningDataFile::Read(const std::string& path, int inputCount) {
    const DataFileRows data = DataFileRows::read(path, inputCount + 1);
    if (!data.import.reason.empty()) throw CliError::badValue(path + ": " + data.import.reason);
    if (data.rows.empty()) throw CliError::badValue(path + ": no data rows");
    TuningRows rows(inputCount);
    std::vector<double> values(static_cast<std::size_t>(inputCount) + 1);
    for (std::size_t r = 0; r < data.rows.size(); ++r) {
        const std::vector<std::string>& cells = data.rows[r];
        const std::string where = path + ": row " + std::to_string(r + 1) + ": ";
        if (cells.size() < values.size()) {
            throw CliError::badValue(where + "needs " + std::to_string(values.size()) + " numbers, has " +
                                     std::to_string(cells.size()));
        }
        for (std::size_t k = 0; k < values.size(); ++k) {
            const auto value = NumberText::parseDecimal(cells[k]);
            if (!value) throw CliError::badValue(where + "'" + TextExcerpt::of(cells[k]) + "' is not a number");
            values[k] = *value;
        }
        rows.Add(std::span(values).first(static_cast<std::size_t>(inputCount)), values.back());
    }
    return rows;
}

}  // namespace zorv::cli
