#include "app/core/data/DataFileImporter.h"

#include <algorithm>
#include <climits>
#include <fstream>
#include <system_error>

#include "text/NumberText.h"

namespace zorv {

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool IsBlank(std::string_view line) { return std::all_of(line.begin(), line.end(), IsSpace); }

DataImportResult CannotOpen(const std::filesystem::path& path, const std::string& why) {
    return {DataImportResult::Status::kCannotOpen, 0, "cannot open data file " + path.string() + ": " + why};
}

}  // namespace

DataImportResult DataFileImporter::ImportFile(const std::filesystem::path& path, DataGrid& grid,
                                              const JobControl& control) const {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return CannotOpen(path, "it is a directory");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return CannotOpen(path, std::filesystem::exists(path, error) ? "permission denied or unreadable"
                                                                     : "no such file");
    }
    const auto size = std::filesystem::file_size(path, error);
    return Import(in, grid, control, error ? 0 : static_cast<std::size_t>(size));
}

DataImportResult DataFileImporter::Import(std::istream& in, DataGrid& grid, const JobControl& control,
                                          std::size_t totalBytes) const {
    constexpr int kRowsPerReport = 4096;
    const int totalKiB = static_cast<int>(std::min<std::size_t>(totalBytes / 1024, INT_MAX));
    control.Report(0, totalKiB);
    DataImportResult result;
    BoundedLineReader reader(in, limits_.maxLineBytes);
    std::string line;
    grid.ClearDataRows();
    if (!SkipHeaderLines(reader, line, result)) {
        return result;
    }
    std::size_t cellBytes = 0;
    int trailingBlankRows = 0;
    for (;;) {
        if (control.StopRequested()) {
            result.status = DataImportResult::Status::kCancelled;
            break;
        }
        if (result.rows % kRowsPerReport == 0) {
            control.Report(static_cast<int>(std::min<std::size_t>(reader.BytesConsumed() / 1024, INT_MAX)), totalKiB);
        }
        if (result.rows >= limits_.maxRows) {
            result.status = DataImportResult::Status::kPartial;
            result.reason = "more than " + std::to_string(limits_.maxRows) + " data rows";
            break;
        }
        const int row = DataGrid::kHeaderRows + result.rows;
        if (result.rows > 0) {
            grid.AppendRow();
        }
        cellBytes += FillRow(line, row, grid);
        ++result.rows;
        trailingBlankRows = IsBlank(line) ? trailingBlankRows + 1 : 0;
        if (cellBytes > limits_.maxCellBytes) {
            result.status = DataImportResult::Status::kPartial;
            result.reason = "more than " + std::to_string(limits_.maxCellBytes) + " bytes of cell text";
            break;
        }
        const auto status = reader.Next(line);
        if (status != BoundedLineReader::Status::kLine) {
            StopReason(status, reader, result);
            break;
        }
    }
    DropTrailingBlankRows(trailingBlankRows, grid, result);
    return result;
}

// Blank lines at the end of a file (as editors leave them) are no data rows: kept, they would end every
// Compute with an empty input cell.
void DataFileImporter::DropTrailingBlankRows(int count, DataGrid& grid, DataImportResult& result) {
    if (result.status == DataImportResult::Status::kCancelled) return;
    for (; count > 0 && result.rows > 1; --count, --result.rows) {
        grid.RemoveDataRow(grid.RowCount() - 1);
    }
}

// Reads up to the first line that begins with a number; false when the input ends before it.
bool DataFileImporter::SkipHeaderLines(BoundedLineReader& reader, std::string& line,
                                       DataImportResult& result) const {
    for (;;) {
        const auto status = reader.Next(line);
        if (status != BoundedLineReader::Status::kLine) {
            StopReason(status, reader, result);
            return false;
        }
        if (NumberText::beginsWithNumber(line)) {
            return true;
        }
    }
}

void DataFileImporter::StopReason(BoundedLineReader::Status status, const BoundedLineReader& reader,
                                  DataImportResult& result) const {
    const std::string lineNumber = std::to_string(reader.LineNumber());
    switch (status) {
        case BoundedLineReader::Status::kLine:
        case BoundedLineReader::Status::kEnd:
            return;
        case BoundedLineReader::Status::kTooLong:
            result.reason = "line " + lineNumber + " is longer than " + std::to_string(reader.MaxLineBytes()) +
                            " bytes";
            break;
        case BoundedLineReader::Status::kReadError:
            result.reason = "read error after line " + lineNumber;
            break;
    }
    result.status = DataImportResult::Status::kPartial;
}

std::size_t DataFileImporter::FillRow(std::string_view line, int row, DataGrid& grid) const {
    grid.SetLabel(row, row - DataGrid::kHeaderRows + 1);
    std::size_t bytes = 0;
    std::size_t pos = 0;
    std::string token;
    for (int column = 1; column <= inputCount_ + 1; ++column) {
        while (pos < line.size() && IsSpace(line[pos])) {
            ++pos;
        }
        if (pos == line.size()) {
            break;
        }
        const std::size_t start = pos;
        while (pos < line.size() && !IsSpace(line[pos])) {
            ++pos;
        }
        token.assign(line.substr(start, pos - start));
        std::replace(token.begin(), token.end(), ',', '.');
        bytes += token.size();
        grid.SetCell(row, column, token);
    }
    return bytes;
}

}  // namespace zorv
