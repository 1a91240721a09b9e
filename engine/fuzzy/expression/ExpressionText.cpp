#include "fuzzy/expression/ExpressionText.h"

#include "fuzzy/expression/CFEParser.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "fuzzy/vocabulary/CLingWords.h"

namespace zorv {

std::unique_ptr<ELingExpr> parseExpression(const CSettings& vocabulary, std::string_view text) {
    return CFEParser(&vocabulary).parse(text);
}

int describeExpression(const CSettings& vocabulary, std::string_view text, CLingTerm& d) {
    d = CLingTerm{};
    CFEParser parser(&vocabulary);
    try {
        parser.parse(text)->describe(d);
        return 1;
    } catch (const ESyntax&) {
        d.hedge = parser.lastHedge();
        return 0;
    }
}

std::string printExpression(const CSettings& vocabulary, std::string_view text) {
    return parseExpression(vocabulary, text)->print();
}

std::string applyWord(const CBasicSettings& vocabulary, std::string_view cell, std::string_view word) {
    CLingTerm d;
    CLingTerm w;
    describeExpression(vocabulary, cell, d);
    describeExpression(vocabulary, word, w);
    if (w.atom != CLingTerm::kNoAtom) {
        d.atom = w.atom;
        d.userIndex = w.userIndex;
        d.sign = w.sign;
    }
    if (w.hedge != CLingTerm::kNoHedge) d.hedge = w.hedge;

    if (d.atom == CLingTerm::kUserTerm) {
        const auto& terms = vocabulary.terms();
        if (d.userIndex >= 0 && d.userIndex < static_cast<int>(terms.size())) {
            return terms[static_cast<std::size_t>(d.userIndex)].shortName;
        }
        return std::string(cell);
    }
    if (d.atom == CLingTerm::kNoAtom) {
        // Only a hedge so far: it waits for the atom of a later word.
        const std::string_view hedge = CLingWords::hedgeAbbreviation(d.hedge);
        return hedge.empty() ? std::string(cell) : std::string(hedge);
    }
    if (d.atom < CLingTerm::kSmall || d.atom > CLingTerm::kZero) {
        return std::string(cell);  // a compound expression, a number, "undef" or "ignor" takes no word
    }
    // "+" is kept: on a symmetric context "+ze" and "ze" are different sets.
    return d.sign > 0 ? std::string("+").append(d.abbreviated()) : d.abbreviated();
}

}  // namespace zorv
