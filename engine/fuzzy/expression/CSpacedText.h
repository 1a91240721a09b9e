#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorv {

// A text with normalised spacing, as the evaluator reads it: leading blanks dropped, one blank on both
// sides of each of "(", ")", "<", ">", "{", "}", ",", runs of blanks (spaces, tabs) collapsed to one
// blank, no trailing blank. Remembers for every character its offset in the original text.
class CSpacedText {
public:
    explicit CSpacedText(std::string_view original);

    std::string_view text() const { return text_; }
    // Offset in the original text of the character at pos (the original length at or after the end).
    int originalOffset(std::size_t pos) const;

private:
    void append(char c, std::size_t origin);

    std::string text_;
    std::vector<int> origin_;
    int originalLength_;
};

}  // namespace zorv
