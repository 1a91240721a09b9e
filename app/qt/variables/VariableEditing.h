#pragma once

class QWidget;

namespace zorv {

class CRuleBase;

// Opens the variable dialog for an editor. Tests put their own answers in its place.
class VariableEditing {
public:
    virtual ~VariableEditing() = default;

    // Add mode for a new input (output) variable, suggesting a copy of the one at copyFrom; true when one
    // was added.
    virtual bool addVariable(QWidget* parent, CRuleBase& unit, bool input, int copyFrom) = 0;
    // Edit mode for the variable at signedIndex; true on OK.
    virtual bool editVariable(QWidget* parent, CRuleBase& unit, int signedIndex) = 0;
};

}  // namespace zorv
