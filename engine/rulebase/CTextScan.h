#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zorv {

// Character-level steps of the rule base reader. A blank is any character with code 1 to 32 (line breaks
// included); a line ends at a line feed, a carriage return, or either two-character pair of them.
class CTextScan {
public:
    // One line of a text: [begin, end) without its line break; content is the first non-blank position;
    // next is where the following line begins.
    struct Line {
        std::size_t begin = 0;
        std::size_t content = 0;
        std::size_t end = 0;
        std::size_t next = 0;
    };

    static bool IsBlank(char c) { return c >= 1 && static_cast<unsigned char>(c) <= 32; }
    static bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }
    static bool IsControl(char c) { return static_cast<unsigned char>(c) < 32 || c == 127; }

    // The line that starts at begin (begin < text.size()).
    static Line LineAt(std::string_view text, std::size_t begin);
    // The position after the line break that starts at pos (pos itself when none starts there).
    static std::size_t SkipLineBreak(std::string_view text, std::size_t pos);
    // First position at or after pos, before end, that is not a blank.
    static std::size_t SkipBlanks(std::string_view text, std::size_t pos, std::size_t end);
    // Likewise, stopping at a line break.
    static std::size_t SkipLineBlanks(std::string_view text, std::size_t pos, std::size_t end);
    // First line break at or after pos (end when none comes before end).
    static std::size_t LineEnd(std::string_view text, std::size_t pos, std::size_t end);
    // text without blanks at both ends.
    static std::string_view Trim(std::string_view text);

    // Throws the reader's ESyntax: the message with the text from pos to its end as context.
    [[noreturn]] static void Fail(std::string_view text, std::size_t pos, std::string message);
};

}  // namespace zorv
