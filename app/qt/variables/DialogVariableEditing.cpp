#include "app/qt/variables/DialogVariableEditing.h"

#include "app/qt/variables/VariableDialog.h"

namespace zorv {

bool DialogVariableEditing::addVariable(QWidget* parent, CRuleBase& unit, bool input, int copyFrom) {
    return VariableDialog::addVariable(parent, unit, input, copyFrom);
}

bool DialogVariableEditing::editVariable(QWidget* parent, CRuleBase& unit, int signedIndex) {
    return VariableDialog::editVariable(parent, unit, signedIndex);
}

}  // namespace zorv
