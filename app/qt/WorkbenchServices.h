#pragma once

namespace zorv {

class FileNameProvider;
class NewRuleBaseChooser;
class Prompter;
class SettingsStore;
class VariableEditing;

// What the workbench windows ask of their surroundings: boxes, file names, the new-rule-base type, the
// variable dialog and the settings store. The application wires the real ones; tests their own.
struct WorkbenchServices {
    Prompter& prompter;
    FileNameProvider& files;
    NewRuleBaseChooser& newRuleBase;
    VariableEditing& variables;
    SettingsStore& settings;
};

}  // namespace zorv
