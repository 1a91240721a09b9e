#include "app/core/data/DataOutputWriter.h"

#include <algorithm>

#include "io/AtomicFileWriter.h"
#include "io/EWrite.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

constexpr int kRowsPerReport = 4096;

// Raised inside the writer's body to abandon the write.
struct WriteStopped {};

}  // namespace

// The names of the first header row stay as they are; the second holds nothing but contexts.
std::string DataOutputWriter::FileText(const std::string& cell, int row) {
    const bool contexts = row == 1;
    if (row == 0 || (!contexts && !NumberText::parseDecimal(cell))) return cell;
    std::string text = contexts ? cell : NumberText::withoutGroups(cell);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

bool DataOutputWriter::Write(const DataGrid& grid, std::ostream& out, const JobControl& control) {
    const int rows = grid.RowCount();
    for (int row = 0; row < rows; ++row) {
        if (row % kRowsPerReport == 0) {
            if (control.StopRequested()) return false;
            control.Report(row, rows);
        }
        for (int column = 1; column < grid.ColumnCount(); ++column) {
            out << FileText(grid.Cell(row, column), row) << '\t';
        }
        out << '\n';
    }
    control.Report(rows, rows);
    return true;
}

std::optional<std::string> DataOutputWriter::WriteFile(const DataGrid& grid, const std::filesystem::path& path,
                                                       const JobControl& control) {
    try {
        AtomicFileWriter::write(path, [&](std::ostream& out) {
            if (!Write(grid, out, control)) throw WriteStopped{};
        });
    } catch (const EWrite& failure) {
        return failure.what();
    } catch (const WriteStopped&) {
        return "cancelled: " + path.string() + " was not written";
    }
    return std::nullopt;
}

}  // namespace zorv
