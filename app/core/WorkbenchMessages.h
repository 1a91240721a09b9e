#pragma once

#include <string>

#include "app/core/Prompter.h"

namespace zorv {

// The texts of the boxes that the main window and the rule base editor show.
class WorkbenchMessages {
public:
    static PromptMessage fileNotFound(const std::string& path);
    static PromptMessage syntaxError(const std::string& readerMessage);
    static PromptMessage cannotWrite();
    // The unit holds something its file cannot express; nothing was written.
    static PromptMessage cannotStore(const std::string& reason);
    static PromptMessage saveChanges(const std::string& path);
    static PromptMessage confirmExit();
    static PromptMessage variableRequired();
    static PromptMessage confirmDeleteVariable(const std::string& name);
    static PromptMessage about();
};

}  // namespace zorv
