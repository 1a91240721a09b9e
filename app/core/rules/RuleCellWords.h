#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorv {

class CSettings;

// What the workbench offers around one rule cell in its variable's vocabulary.
class RuleCellWords {
public:
    // The short names of the vocabulary's user terms, in order; none for a linear vocabulary.
    static std::vector<std::string> userTerms(const CSettings& vocabulary);
    // The cell text after a toolbar word (applyWord); a linear vocabulary takes no words (none).
    static std::optional<std::string> applyWord(const CSettings& vocabulary, std::string_view text, std::string_view word);
    // The hint of a cell: its expression as parsed and printed back; none when it does not parse.
    static std::optional<std::string> hint(const CSettings& vocabulary, std::string_view text);
};

}  // namespace zorv
