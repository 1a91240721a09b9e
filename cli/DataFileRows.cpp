#include "cli/DataFileRows.h"

#include "app/core/data/DataFileImporter.h"
#include "app/core/data/DataGrid.h"
#include "cli/CliError.h"
#include "cli/CommandFiles.h"

namespace zorv::cli {

DataFileRows DataFileRows::read(const std::string& path, int valuesPerRow) {
    requireReadableFile(path);
    DataGrid grid(valuesPerRow + 1);
    DataFileRows data;
    data.import = DataFileImporter(valuesPerRow - 1).ImportFile(path, grid);
    if (!data.import.Imported()) throw CliError::io(data.import.reason);
    data.rows.reserve(static_cast<std::size_t>(data.import.rows));
    for (int i = 0; i < data.import.rows; ++i) {
        const int row = DataGrid::kHeaderRows + i;
        std::vector<std::string> cells;
        for (int column = 1; column <= valuesPerRow && !grid.Cell(row, column).empty(); ++column) {
            cells.push_back(grid.Cell(row, column));
        }
        data.rows.push_back(std::move(cells));
    }
    return data;
}

}  // namespace zorv::cli
