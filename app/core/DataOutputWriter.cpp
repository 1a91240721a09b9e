#include "app/core/DataOutputWriter.h"

#include "io/AtomicFileWriter.h"
#include "io/EWrite.h"
#include "text/NumberText.h"

namespace zorv {

std::string DataOutputWriter::FileText(const std::string& cell) {
    std::string text = NumberText::withoutGroups(cell);
    for (char& c : text) {
        if (c == '.') {
            c = ',';
        }
    }
    return text;
}

void DataOutputWriter::Write(const DataGrid& grid, std::ostream& out) {
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int column = 1; column < grid.ColumnCount(); ++column) {
            out << FileText(grid.Cell(row, column)) << '\t';
        }
        out << '\n';
    }
}

std::optional<std::string> DataOutputWriter::WriteFile(const DataGrid& grid, const std::filesystem::path& path) {
    try {
        AtomicFileWriter::write(path, [&grid](std::ostream& out) { Write(grid, out); });
    } catch (const EWrite& failure) {
        return failure.what();
    }
    return std::nullopt;
}

}  // namespace zorv
