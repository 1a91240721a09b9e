#pragma once

#include "app/core/workbench/Prompter.h"

class QMessageBox;

namespace zorv {

// Shows messages and questions in modal message boxes, and text queries in an input dialog, over the
// active window.
class MessageBoxPrompter final : public Prompter {
public:
    void show(const PromptMessage& message) override;
    PromptAnswer ask(const PromptMessage& question, PromptButtons buttons) override;
    std::optional<std::string> askText(const std::string& caption, const std::string& label,
                                       const std::string& initial) override;

    // Icon, caption and text of a box; the box is wide enough for its caption in the window's title bar.
    static void prepare(QMessageBox& box, const PromptMessage& message);
};

}  // namespace zorv
