#include "app/core/variables/Recomputer.h"

#include "fuzzy/expression/ELingExpr.h"

namespace zorv {

void Recomputer::Apply(ELingExpr& node) const { node.rescale(newLow_, newHigh_, oldLow_, oldHigh_); }

}  // namespace zorv
