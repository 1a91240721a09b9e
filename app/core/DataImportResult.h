#pragma once

#include <string>

namespace zorv {

// What an import of a data file did.
struct DataImportResult {
    enum class Status {
        kComplete,    // every line was read
        kPartial,     // reading stopped part-way; the rows before stay imported
        kCannotOpen,  // the file could not be opened; the table is unchanged
    };

    Status status = Status::kComplete;
    int rows = 0;
    // Why reading stopped or the file could not be opened; empty for a complete import.
    std::string reason;

    bool Imported() const { return status != Status::kCannotOpen; }

    // "N rows succesfully imported", with ", remaining skipped!" when reading stopped part-way;
    // the reason alone when the file could not be opened.
    std::string Message() const;
};

}  // namespace zorv
