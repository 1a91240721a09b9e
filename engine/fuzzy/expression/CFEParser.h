#pragma once

#include <memory>
#include <string_view>

#include "fuzzy/expression/ELingExpr.h"

namespace zorv {

class CSettings;
class CBasicSettings;

// Parser of the evaluative expression language of one rule cell (LALR-equivalent, explicit stack):
//   input:      linguistic | NUMBER
//   linguistic: UNDEF | IGNOR | formula
//   formula:    term | formula OR formula | formula AND formula | "(" formula ")"   (AND binds tighter,
//               both to the left)
//   term:       [sign] fuzzyterm | ABOUT NUMBER | USERTERM | [sign] zeroterm
//   fuzzyterm:  [anyhedge] (SMALL | BIG) | [ML | RO | QR | VR | NOT] MEDIUM
//   zeroterm:   [NOT | RO] ZERO
// A linguistic input needs no vocabulary or a fuzzy one; a NUMBER needs no fuzzy vocabulary; a "-" sign
// needs no vocabulary or one that allows negative terms (else state kSignError). The parse stack holds at
// most kMaxStackDepth entries; a deeper text is refused like any other.
// A refusal throws ESyntax ("negative term is not allowed in this context" in state kSignError, else
// "parse error") with the offset of the current token and a copy of the text.
class CFEParser {
public:
    static constexpr int kRejected = 0;
    static constexpr int kAccepted = 1;
    static constexpr int kSignError = 2;
    static constexpr int kMaxStackDepth = 10000;

    // vocabulary may be null.
    explicit CFEParser(const CSettings* vocabulary);

    std::unique_ptr<ELingExpr> parse(std::string_view text);

    // kAccepted, kSignError or kRejected for the last parse.
    int state() const { return state_; }
    // Offset of the token at which the last parse was refused.
    int errorPosition() const { return errorPosition_; }
    // The last hedge the last parse read completely (-1 if none), also when the parse failed later.
    int lastHedge() const { return lastHedge_; }

private:
    friend class CFEParseRun;

    const CSettings* vocabulary_;
    const CBasicSettings* words_;  // the vocabulary when it is fuzzy (user terms, node printing)
    int state_ = kRejected;
    int errorPosition_ = 0;
    int lastHedge_ = -1;
};

}  // namespace zorv
