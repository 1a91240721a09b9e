#pragma once

#include <string>
#include <string_view>

namespace zorv {

// What every reader of a text file does to the bytes before it reads them.
class TextInput {
public:
    // The UTF-8 byte-order mark some editors put at the start of a text file.
    static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

    // The text without a byte-order mark at its start.
    static std::string_view WithoutByteOrderMark(std::string_view text);

    // The text without a byte-order mark, with every line break as a single line feed. A line break is a line
    // feed, a carriage return, or a pair of the two in either order ("\r\n", "\n\r"), so that files written
    // on any platform read, and save back, the same.
    static std::string Normalised(std::string_view text);
};

}  // namespace zorv
