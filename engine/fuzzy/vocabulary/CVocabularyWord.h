#pragma once

#include <cstddef>
#include <string_view>

namespace zorv {

// A word of a vocabulary found at the start of a text by one of its word matchers (see CBasicSettings).
// length is the number of characters of the word; the word is whole: the text ends after it or continues
// with a blank.
struct CVocabularyWord {
    enum class Kind {
        kAtom,        // an atomic term: termIndex >= 0 names an entry of terms(), else standardKind
        kHedge,       // hedgeCode >= 0 is a built-in hedge, else modifierIndex names an entry of modifiers()
        kConnective,  // connectiveIndex names an entry of connectives(); -1 for a refused linguistic connective
    };

    Kind kind = Kind::kAtom;
    std::size_t length = 0;
    int termIndex = -1;
    int standardKind = -1;  // 0..3 small, medium, big, zero; +4 for the "+" forms; +8 for the "-" forms
    int hedgeCode = -1;
    int modifierIndex = -1;
    int connectiveIndex = -1;

    // Atom of a standard kind (0..3) and its sign.
    int atom() const { return standardKind < 0 ? -1 : standardKind % 4; }
    int sign() const { return standardKind >= 8 ? -1 : standardKind >= 4 ? 1 : 0; }
};

// True when text starts with the (non-empty) word followed by a blank or the end.
inline bool startsWithWholeWord(std::string_view text, std::string_view word) {
    return !word.empty() && text.starts_with(word) && (text.size() == word.size() || text[word.size()] == ' ');
}

}  // namespace zorv
