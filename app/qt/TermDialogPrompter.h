#pragma once

#include <optional>
#include <string>

#include "app/core/TermDialogMessage.h"
#include "app/core/VariableRecompute.h"

class QWidget;

namespace zorv {

// The modal questions and messages of the variable and term dialogs, behind an interface so that tests can
// answer them without a modal loop.
class TermDialogPrompter {
public:
    virtual ~TermDialogPrompter() = default;

    virtual void show(QWidget* parent, const TermDialogMessage& message) = 0;
    // "Do you want to recompute values?" with Yes / No / Cancel.
    virtual VariableRecomputeAnswer askRecompute(QWidget* parent, const VariableRecomputeQuestion& question) = 0;
    // A one-line text query; none when cancelled.
    virtual std::optional<std::string> askText(QWidget* parent, const std::string& caption, const std::string& label,
                                               const std::string& initial) = 0;
};

}  // namespace zorv
