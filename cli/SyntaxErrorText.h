#pragma once

#include <string>

#include "fuzzy/expression/ESyntax.h"

namespace zorv::cli {

// The message of a syntax error as zorv prints it after "error: ": "parse error at position 5" when the
// error points into a text, the bare message when it has no position (found after parsing, or no text).
std::string syntaxErrorText(const ESyntax& error);

}  // namespace zorv::cli
