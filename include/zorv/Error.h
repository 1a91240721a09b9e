#pragma once

#include <cstddef>
#include <filesystem>
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

// A file that cannot be read or written: path() names it and code() holds the system's error number (an errno
// value such as ENOENT for a missing file; 0 when none is known). what() names the file too.
class ZORV_API FileError : public Error {
public:
    FileError(const std::string& message, std::filesystem::path path, int code)
        : Error(message), path_(std::move(path)), code_(code) {}

    const std::filesystem::path& path() const { return path_; }
    int code() const { return code_; }

private:
    std::filesystem::path path_;
    int code_;
};

// Values of the wrong number or shape: a row with more or fewer values than the rule base has inputs, rows
// that do not fill whole rows, node counts that do not match the inputs.
class ZORV_API ShapeError : public Error {
public:
    explicit ShapeError(const std::string& message) : Error(message) {}
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
