#pragma once

#include <string>

#include "app/core/workbench/Prompter.h"

namespace zorv {

// The texts of the boxes that the main window, the rule base editor and the dialogs show.
class WorkbenchMessages {
public:
    static PromptMessage fileNotFound(const std::string& path);
    static PromptMessage syntaxError(const std::string& readerMessage);
    static PromptMessage cannotWrite();
    // The unit holds something its file cannot express; nothing was written.
    static PromptMessage cannotStore(const std::string& reason);
    static PromptMessage saveChanges(const std::string& path);
    // Save As chose the file of another open editor, whose next save would overwrite this one.
    static PromptMessage openElsewhere(const std::string& path);
    static PromptMessage confirmExit();
    static PromptMessage variableRequired();
    static PromptMessage confirmDeleteVariable(const std::string& name);
    static PromptMessage about();
    // A field of a dialog that does not hold a number of its kind.
    static PromptMessage notAReal(const std::string& text);
    static PromptMessage notAnInteger(const std::string& text);
};

}  // namespace zorv
