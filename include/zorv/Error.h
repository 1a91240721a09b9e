#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

#include "zorv/Export.h"

namespace zorv {

// Every failure of the engine's public interface: a file that cannot be read or written, an input that is
// not a number, a method that does not fit the rule base. what() is a message for the user.
class ZORV_API Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A text that the engine cannot read: a rule base or an expression. what() is the reader's message
// ("parse error", "missing: InfMethod", ...). text() is the text the fault lies in: the expression, or the
// line of the rule base; position() is the offset of the fault in text(), and line() the number (from 1)
// of that line in the rule base. Each is absent when it does not apply (a key missing from a whole file, a
// fault found after reading the expression).
class ZORV_API SyntaxError : public Error {
public:
    SyntaxError(const std::string& message, std::string text, std::optional<std::size_t> position,
                std::optional<std::size_t> line = std::nullopt)
        : Error(message), text_(std::move(text)), position_(position), line_(line) {}

    const std::string& text() const { return text_; }
    std::optional<std::size_t> position() const { return position_; }
    std::optional<std::size_t> line() const { return line_; }

private:
    std::string text_;
    std::optional<std::size_t> position_;
    std::optional<std::size_t> line_;
};

}  // namespace zorv
