#pragma once

#include <string>

namespace zorv {

// A message the variable and term dialogs show in a modal box: its text, its caption (empty for a plain
// box) and whether it is a warning, which also sounds a beep.
struct TermDialogMessage {
    std::string text;
    std::string caption;
    bool warning = false;

    static TermDialogMessage Plain(std::string text) { return {std::move(text), {}, false}; }
    static TermDialogMessage Captioned(std::string text, std::string caption) {
        return {std::move(text), std::move(caption), false};
    }
    static TermDialogMessage Warning(std::string text) { return {std::move(text), "Warning", true}; }
    // A field that does not hold a number of its kind.
    static TermDialogMessage NotAReal(const std::string& text) {
        return Plain("'" + text + "' is not a valid floating point value");
    }
    static TermDialogMessage NotAnInteger(const std::string& text) {
        return Plain("'" + text + "' is not a valid integer value");
    }

    bool operator==(const TermDialogMessage&) const = default;
};

}  // namespace zorv
