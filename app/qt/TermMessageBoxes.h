#pragma once

#include "app/qt/TermDialogPrompter.h"

namespace zorv {

// The prompter of the running application: message boxes and an input dialog.
class TermMessageBoxes final : public TermDialogPrompter {
public:
    void show(QWidget* parent, const TermDialogMessage& message) override;
    VariableRecomputeAnswer askRecompute(QWidget* parent, const VariableRecomputeQuestion& question) override;
    std::optional<std::string> askText(QWidget* parent, const std::string& caption, const std::string& label,
                                       const std::string& initial) override;
};

}  // namespace zorv
