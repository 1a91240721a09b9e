#pragma once

#include <string>
#include <vector>

#include "interchange/ForeignSystem.h"
#include "interchange/InterchangeFormat.h"

namespace zorv {

class CRuleBase;

// Builds the foreign form of a compiled rule base for the FIS, FCL and FLL writers. Every distinct rule cell
// becomes a term given as the points of its sampled set (the grid points from one before its first non-zero
// sample to one after its last), so that hedged and signed expressions keep their exact sampled meaning under
// the linear interpolation every format applies between points. A cell that names a user term becomes that
// term (with its shape stated beside the points, for importing it again); "not TERM" becomes "is not TERM"
// where the negation is exactly 1 - TERM; "undef" and "ignor" leave the input out of the rule. Disabled rules
// are left out.
//
// Only methods with a counterpart are exported: Fuzzy Approximation (DNF) with Minimum, Product or Lukasiewicz
// with Simple COG (implication minimum, product, bounded difference; aggregation maximum; centroid), and the
// Takagi-Sugeno inference (weighted average of constant or linear terms). Throws EInterchange naming the method
// otherwise.
class ForeignExporter {
public:
    static ForeignSystem Export(const CRuleBase& unit, InterchangeFormat format);
};

}  // namespace zorv
