#pragma once

#include <exception>
#include <optional>
#include <string>

namespace zorv {

// The error every text reader throws (and checkSyntax returns): a message, a copy of the text read
// (absent when no text applies) and the offset of the offending token.
// position: offset in the text; kAfterParse when found after parsing; 0 when no position applies.
class ESyntax : public std::exception {
public:
    static constexpr int kAfterParse = -2;

    explicit ESyntax(std::string message, std::optional<std::string> text = std::nullopt, int position = 0)
        : message_(std::move(message)), text_(std::move(text)), position_(position) {}

    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& message() const { return message_; }
    const std::optional<std::string>& text() const { return text_; }
    int position() const { return position_; }

private:
    std::string message_;
    std::optional<std::string> text_;
    int position_;
};

}  // namespace zorv
