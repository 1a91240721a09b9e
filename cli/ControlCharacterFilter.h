#pragma once

#include <ostream>
#include <streambuf>

namespace zorv::cli {

// Stands between a stream and its buffer for as long as it lives, and shows every control character that
// could steer a terminal (escape sequences, bell, backspace, ...) as "?". Messages on standard error quote
// names and texts from the files read, which must not be able to clear the screen or retitle the window.
// Line feed, carriage return (the progress bar) and tab pass.
class ControlCharacterFilter final : public std::streambuf {
public:
    explicit ControlCharacterFilter(std::ostream& stream);
    ~ControlCharacterFilter() override;
    ControlCharacterFilter(const ControlCharacterFilter&) = delete;
    ControlCharacterFilter& operator=(const ControlCharacterFilter&) = delete;

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    static char shown(char c);

    std::ostream& stream_;
    std::streambuf* const target_;
};

}  // namespace zorv::cli
