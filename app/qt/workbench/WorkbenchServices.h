#pragma once

namespace zorv {

class FTransformSettingsChooser;
class FileNameProvider;
class NewRuleBaseChooser;
class Prompter;
class SettingsStore;
class VariableEditing;

// What the workbench windows ask of their surroundings: boxes, file names, the new-rule-base type, the
// variable dialog, the settings store and the F-transform settings dialog. The application wires the real
// ones; tests their own.
struct WorkbenchServices {
    Prompter& prompter;
    FileNameProvider& files;
    NewRuleBaseChooser& newRuleBase;
    VariableEditing& variables;
    SettingsStore& settings;
    FTransformSettingsChooser& ftransform;
};

}  // namespace zorv
