#include "app/core/workbench/WorkbenchMessages.h"

#include "app/core/files/PathNames.h"

namespace zorv {

PromptMessage WorkbenchMessages::fileNotFound(const std::string& path) {
    return {"File not found: " + path, "IO Error", PromptIcon::warning};
}

PromptMessage WorkbenchMessages::syntaxError(const std::string& readerMessage) {
    return {readerMessage, "Syntax error", PromptIcon::none};
}

PromptMessage WorkbenchMessages::cannotWrite() {
    return {"Cannot write to rulebase file", "Write Error", PromptIcon::warning};
}

PromptMessage WorkbenchMessages::cannotStore(const std::string& reason) {
    return {reason, "Write Error", PromptIcon::warning};
}

PromptMessage WorkbenchMessages::saveChanges(const std::string& path) {
    return {"Do you want to save changes in " + PathNames::fileName(path) + "?", "Confirmation",
            PromptIcon::question};
}

PromptMessage WorkbenchMessages::openElsewhere(const std::string& path) {
    return {PathNames::fileName(path) + " is open in another window. Save it there, or close that window first.",
            "Warning", PromptIcon::warning};
}

PromptMessage WorkbenchMessages::confirmExit() {
    return {"Do you really want to close Zorvix application?", "Confirmation", PromptIcon::question};
}

PromptMessage WorkbenchMessages::variableRequired() {
    return {"At least one variable is required", "Warning", PromptIcon::warning};
}

PromptMessage WorkbenchMessages::confirmDeleteVariable(const std::string& name) {
    return {"Are you sure to delete the variable " + name + "?", "Confirmation", PromptIcon::question};
}

PromptMessage WorkbenchMessages::about() {
    return {"Zorv for Win32\n\nA workbench for fuzzy rule bases written in evaluative linguistic expressions.",
            "About Zorvix", PromptIcon::information};
}

PromptMessage WorkbenchMessages::notAReal(const std::string& text) {
    return PromptMessage::plain("'" + text + "' is not a valid floating point value");
}

PromptMessage WorkbenchMessages::notAnInteger(const std::string& text) {
    return PromptMessage::plain("'" + text + "' is not a valid integer value");
}

}  // namespace zorv
