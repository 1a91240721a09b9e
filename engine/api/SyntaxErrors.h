#pragma once

#include <string_view>

#include "fuzzy/expression/ESyntax.h"
#include "zorv/Error.h"

namespace zorv {

// Turns the engine's reader errors into the public SyntaxError.
class SyntaxErrors {
public:
    // An error of an expression reader: its text, and its offset unless it was found after reading.
    static SyntaxError ofExpression(const ESyntax& error, std::string_view text);
    // An error of the rule base reader, which reports the rest of the file from the fault on: the line at
    // fault with the column and line number (also for an expression of a rule that does not read). A fault
    // of the whole file (a missing key) has no position.
    static SyntaxError ofRuleBase(const ESyntax& error, std::string_view file);
};

}  // namespace zorv
