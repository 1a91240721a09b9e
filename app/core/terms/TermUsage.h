#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zorv {

class CRuleBase;

// Where rules use user terms. A term belongs to a vocabulary, which aliases share, so the rules of every
// variable holding the vocabulary count. A rule uses a term when its expression names it as a word: at the
// start of the text or after a blank or "(", and not followed by a letter, digit or "_" (so that "speed"
// is not taken for a part of "speed_1"): "speed", "speed and sm", "(fast or speed)".
class TermUsage {
public:
    using Rename = std::pair<std::string, std::string>;  // old name, new name

    TermUsage(const CRuleBase& unit, int signedIndex);

    // Whether some rule of the vocabulary's variables names the term (empty names are never used).
    bool uses(std::string_view name) const;

    // The variables that hold the same vocabulary as signedIndex (itself included).
    static std::vector<int> SharingVariables(const CRuleBase& unit, int signedIndex);
    static bool Mentions(std::string_view text, std::string_view name);
    // The text with every named old name replaced by its new name, all in one pass (so that names may be
    // swapped); where several old names fit, the longest is taken.
    static std::string Renamed(std::string_view text, const std::vector<Rename>& renames);
    // Renames the terms in every rule of the vocabulary's variables.
    static void RenameInRules(CRuleBase& unit, int signedIndex, const std::vector<Rename>& renames);

private:
    std::vector<std::string> texts_;
};

}  // namespace zorv
