#pragma once

#include <string>
#include <string_view>

namespace zorv {

class CSettings;

// The live syntax check of one rule cell in its variable's vocabulary. An empty cell is valid. A cell of a
// linear vocabulary holds a linear form over the rule base's inputs ("2.5 + x1 - 0.3*x2", or a number);
// every other cell an evaluative expression. On an error the text is split where the error was found: the
// good part before it and the bad part from there on (both empty when the error was found after parsing).
struct RuleCellCheck {
    bool ok = true;
    std::string message;
    std::string goodPart;
    std::string badPart;

    static RuleCellCheck of(const CSettings& vocabulary, std::string_view text, int inputCount);
};

}  // namespace zorv
