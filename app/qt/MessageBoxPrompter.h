#pragma once

#include "app/core/Prompter.h"

namespace zorv {

// Shows messages and questions in modal message boxes over the active window.
class MessageBoxPrompter final : public Prompter {
public:
    void show(const PromptMessage& message) override;
    PromptAnswer ask(const PromptMessage& question, PromptButtons buttons) override;
};

}  // namespace zorv
