#include "app/core/DataOutputWriter.h"

#include <fstream>
#include <random>
#include <system_error>

#include "app/core/DataNumberFormat.h"

namespace zorv {

namespace {

std::filesystem::path TemporaryBeside(const std::filesystem::path& path) {
    std::random_device random;
    std::filesystem::path temporary = path;
    temporary += ".tmp-" + std::to_string(random() % 1'000'000'000u);
    return temporary;
}

std::optional<std::string> Failure(const std::filesystem::path& path, const std::string& why) {
    return "cannot write " + path.string() + ": " + why;
}

}  // namespace

std::string DataOutputWriter::FileText(const std::string& cell) {
    std::string text = DataNumberFormat::WithoutGroups(cell);
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
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return Failure(path, "it is a directory");
    }
    const std::filesystem::path temporary = TemporaryBeside(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return Failure(path, "the folder cannot be written");
        }
        Write(grid, out);
        out.close();
        if (out.fail()) {
            std::filesystem::remove(temporary, error);
            return Failure(path, "writing failed");
        }
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        const std::string why = error.message();
        std::filesystem::remove(temporary, error);
        return Failure(path, why);
    }
    return std::nullopt;
}

}  // namespace zorv
