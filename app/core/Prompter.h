#pragma once

#include <string>

namespace zorv {

enum class PromptIcon { none, information, warning, error, question };
enum class PromptButtons { yesNo, yesNoCancel };
enum class PromptAnswer { yes, no, cancel };

// A modal box: its text, its caption (empty for a plain box) and its icon.
struct PromptMessage {
    std::string text;
    std::string caption;
    PromptIcon icon = PromptIcon::none;

    bool operator==(const PromptMessage&) const = default;
};

// Shows messages and asks questions for the workbench windows. The windows never open a box of their
// own, so that tests can answer and record instead of running a modal loop.
class Prompter {
public:
    virtual ~Prompter() = default;

    virtual void show(const PromptMessage& message) = 0;
    // Closing the box without a button counts as "No" for Yes/No and "Cancel" for Yes/No/Cancel.
    virtual PromptAnswer ask(const PromptMessage& question, PromptButtons buttons) = 0;
};

}  // namespace zorv
