#pragma once

#include <string>

namespace zorv {

// What an import of a data file did.
struct DataImportResult {
    enum class Status {
        kComplete,    // every line was read
        kPartial,     // reading stopped part-way; the rows before stay imported
        kCannotOpen,  // the file could not be opened; the table is unchanged
        kCancelled,   // stopped on request; the rows read are not to be used
    };

    Status status = Status::kComplete;
    int rows = 0;
    // Why reading stopped or the file could not be opened; empty for a complete import.
    std::string reason;

    bool Imported() const { return status == Status::kComplete || status == Status::kPartial; }
    // Read to its end or part-way without a single data row (an empty file, headers only, text in
    // another encoding): the window keeps its table rather than trade it for an empty one.
    bool NoDataRows() const { return Imported() && rows == 0; }

    // "N rows succesfully imported", with ", remaining skipped!" when reading stopped part-way;
    // the reason alone when the file could not be opened; nothing after a cancelled import.
    std::string Message() const;
};

}  // namespace zorv
