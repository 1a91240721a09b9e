#pragma once

#include <string_view>

#include "interchange/ForeignSystem.h"
#include "interchange/ProblemList.h"

namespace zorv {

// Reads the Fuzzy Control Language: a FUNCTION_BLOCK with VAR_INPUT / VAR_OUTPUT declarations, FUZZIFY and
// DEFUZZIFY blocks (RANGE, TERM as a point list "(x, y) ...", a singleton number or a named shape, METHOD,
// ACCU, DEFAULT) and a RULEBLOCK (AND, OR, ACT, ACCU, "RULE n : IF ... THEN ... [WITH w];"). Keywords are read
// in any case; "//" and "(* *)" comments are skipped.
class FclReader {
public:
    static ForeignSystem Read(std::string_view text, ProblemList& problems);
};

}  // namespace zorv
