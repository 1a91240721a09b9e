#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "fuzzy/expression/ELingExpr.h"
#include "fuzzy/vocabulary/CLingTerm.h"

namespace zorv {

class CSettings;
class CBasicSettings;

// Parses a text in the vocabulary (throws ESyntax as CFEParser does).
std::unique_ptr<ELingExpr> parseExpression(const CSettings& vocabulary, std::string_view text);

// Resets d (atom kNoAtom, user index -1, hedge none) and fills it from the root of the parsed text: 1.
// 0 when the text does not parse; d then holds the hedge read before the failure, if any.
int describeExpression(const CSettings& vocabulary, std::string_view text, CLingTerm& d);

// The canonical text of an expression (parse and print); throws ESyntax.
std::string printExpression(const CSettings& vocabulary, std::string_view text);

// Edits a cell with one toolbar word: a word naming an atomic term replaces the cell's term (atom, user
// term and sign), a word naming a hedge replaces its hedge. The result is written in abbreviated form
// ("ve bi", "-ro sm", "+ze", a user term by its short name); a lone hedge stays a hedge ("ve"). A term word
// replaces a cell without a term of its own whole (a compound expression, a number, "undef", "ignor"); a
// hedge word returns such a cell unchanged.
std::string applyWord(const CBasicSettings& vocabulary, std::string_view cell, std::string_view word);

}  // namespace zorv
