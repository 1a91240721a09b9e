#pragma once

#include <memory>
#include <string>
#include <vector>

#include "interchange/ForeignSystem.h"
#include "interchange/ProblemList.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

struct ImportOptions {
    // Replace what has no exact counterpart by the nearest thing that has one, listing each replacement,
    // instead of refusing the file.
    bool approximate = false;
};

struct ImportOutcome {
    std::unique_ptr<CRuleBase> unit;
    // What the reader should know: replacements, renamings, the chosen grids ("FILE:LINE: ...").
    std::vector<std::string> notes;
};

// Maps a foreign rule base onto a rule base document, exactly where the semantics match:
//  - Mamdani with "and" = minimum, "or" = maximum, aggregation maximum and centroid defuzzification becomes a
//    linguistic rule base with Fuzzy Approximation (DNF) and Simple COG; the implication chooses the t-norm of
//    the DNF method (minimum, product, bounded difference = Lukasiewicz). A rule whose antecedent holds "or"
//    becomes one rule per disjunct, which max aggregation makes equivalent.
//  - Sugeno with "and" = minimum and the weighted average becomes a TS-Singleton rule base (constant outputs) or
//    a Takagi-Sugeno one (linear outputs). "or" is kept only inside one input's cell (a weighted average is not
//    invariant under splitting rules).
//  - Terms become user terms of their shape (see ForeignShape); "not" the negation; an input a rule does not
//    mention (or "any") the expression "undef"; ranges the contexts.
// Everything else is a problem naming the item and its line; with ImportOptions::approximate it is replaced and
// noted instead. Throws EInterchange with every problem.
class ForeignImporter {
public:
    static ImportOutcome Import(const ForeignSystem& system, const std::string& file, ImportOptions options);
};

}  // namespace zorv
