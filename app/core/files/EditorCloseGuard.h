#pragma once

#include <functional>
#include <string>

#include "app/core/files/SaveOutcome.h"

namespace zorv {

class Prompter;

// The save question an editor asks before it closes.
class EditorCloseGuard {
public:
    // Whether an editor on path may close. An unmodified editor may. A modified one asks
    // "Do you want to save changes in ...?": Cancel keeps it open, No lets it close, Yes saves and lets it
    // close only when the save succeeded - a cancelled or failed save keeps the editor and its changes.
    static bool mayClose(bool modified, const std::string& path, Prompter& prompter,
                         const std::function<SaveOutcome()>& save);
};

}  // namespace zorv
