#pragma once

namespace zorv {

// How an attempt to save a rule base ended.
enum class SaveOutcome {
    saved,
    cancelled,  // the user cancelled the save dialog
    failed,     // the file could not be written; the reason has been shown
};

}  // namespace zorv
