#pragma once

#include "app/qt/variables/VariableEditing.h"

namespace zorv {

// The variable dialog itself.
class DialogVariableEditing final : public VariableEditing {
public:
    bool addVariable(QWidget* parent, CRuleBase& unit, bool input, int copyFrom) override;
    bool editVariable(QWidget* parent, CRuleBase& unit, int signedIndex) override;
};

}  // namespace zorv
