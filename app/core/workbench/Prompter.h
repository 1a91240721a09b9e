#pragma once

#include <optional>
#include <string>

namespace zorv {

enum class PromptIcon { none, information, warning, error, question };
enum class PromptButtons { yesNo, yesNoCancel };
enum class PromptAnswer { yes, no, cancel };

// A modal box: its text, its caption (empty for a plain box) and its icon. A warning also sounds a beep.
struct PromptMessage {
    std::string text;
    std::string caption;
    PromptIcon icon = PromptIcon::none;

    static PromptMessage plain(std::string text) { return {std::move(text), {}, PromptIcon::none}; }
    static PromptMessage captioned(std::string text, std::string caption) {
        return {std::move(text), std::move(caption), PromptIcon::none};
    }
    static PromptMessage warning(std::string text) { return {std::move(text), "Warning", PromptIcon::warning}; }

    bool operator==(const PromptMessage&) const = default;
};

// Shows messages and asks questions for the workbench windows and dialogs. They never open a box of their
// own, so that tests can answer and record instead of running a modal loop.
class Prompter {
public:
    virtual ~Prompter() = default;

    virtual void show(const PromptMessage& message) = 0;
    // Closing the box without a button counts as "No" for Yes/No and "Cancel" for Yes/No/Cancel.
    virtual PromptAnswer ask(const PromptMessage& question, PromptButtons buttons) = 0;
    // A one-line text query with its caption, label and initial text; none when cancelled.
    virtual std::optional<std::string> askText(const std::string& caption, const std::string& label,
                                               const std::string& initial) = 0;
};

}  // namespace zorv
