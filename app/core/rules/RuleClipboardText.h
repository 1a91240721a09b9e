#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zorv {

// The plain text of rules on the clipboard: one line per rule, each expression followed by ";"
// (the texts A, B and C give "A;B;C;").
class RuleClipboardText {
public:
    static std::string format(const std::vector<std::vector<std::string>>& rows);
    // One row of texts per line (a line break at the very end ends the last line). A line is split at ";"
    // from left to right into count texts; the text after the last ";" goes into the next one; parts beyond
    // count are dropped and missing ones are empty.
    static std::vector<std::vector<std::string>> parse(std::string_view text, int count);
};

}  // namespace zorv
