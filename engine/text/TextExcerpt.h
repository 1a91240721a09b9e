#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorv {

// A piece of text read from a file, fit to be quoted in a message: its first line only, at most maxBytes of
// it, cut between two characters with "..." marking the cut. Control characters and bytes that are not
// UTF-8 are shown as "?", so that a terminal or a message box shows a crafted file's bytes and obeys none
// of them, and a megabyte cell does not make a megabyte message. A tab stays as it is.
class TextExcerpt {
public:
    static constexpr std::size_t kShortBytes = 40;  // a cell or a token
    static constexpr std::size_t kLineBytes = 200;  // a line of a file

    static std::string of(std::string_view text, std::size_t maxBytes = kShortBytes);
};

}  // namespace zorv
