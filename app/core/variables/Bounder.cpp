#include "app/core/variables/Bounder.h"

#include "fuzzy/expression/ELingExpr.h"

namespace zorv {

void Bounder::Apply(ELingExpr& node) const { node.clamp(newLow_, newHigh_); }

}  // namespace zorv
