#include "app/core/data/DataImportResult.h"

namespace zorv {

std::string DataImportResult::Message() const {
    switch (status) {
        case Status::kComplete:
            return std::to_string(rows) + " rows succesfully imported";
        case Status::kPartial:
            return std::to_string(rows) + " rows succesfully imported, remaining skipped!";
        case Status::kCannotOpen:
        case Status::kCancelled:
            break;
    }
    return reason;
}

}  // namespace zorv
