#pragma once

#include <string_view>

#include "fuzzy/expression/CFEToken.h"

namespace zorv {

class CBasicSettings;

// Splits an expression text into tokens. Blanks (space, tab) are skipped. At each token the user terms of
// the vocabulary are tried first (short, then long name, in list order; a standard block at the front of
// the vocabulary's terms, as "triang" keeps it, is read through the keywords instead, so that its words
// take hedges and signs like those of any vocabulary), then the keywords ("sm", "small",
// "me", ..., "more or less", ..., "not"), then a number not directly followed by a letter, else the single
// character. A word matches when the text continues with exactly that word and the next character is not
// a letter or a digit.
class CFELexer {
public:
    // userTerms: the vocabulary whose user terms are words (null when there are none).
    CFELexer(std::string_view text, const CBasicSettings* userTerms) : text_(text), userTerms_(userTerms) {}

    CFEToken next();

private:
    bool matchUserTerm(CFEToken& token) const;
    bool matchKeyword(CFEToken& token) const;
    bool matchNumber(CFEToken& token) const;
    bool matchesWord(std::string_view word) const;

    std::string_view text_;
    const CBasicSettings* userTerms_;
    std::size_t pos_ = 0;
};

}  // namespace zorv
