#pragma once

#include <span>
#include <string_view>

#include "inference/ConclusionRange.h"

namespace zorv {

class CompiledRuleBase;
class CFuzzyDiscreteSet;
class Workspace;

// Reduces the conclusion of the first succedent to a number in that succedent's context. The workspace is
// that of the inference which made the conclusion (the smooth method runs further inferences on it).
using DefuzzifierFn = double (*)(const CompiledRuleBase& compiled, Workspace& ws, const CFuzzyDiscreteSet& conclusion);
// The same, told what the inference that made the conclusion knows about it (samples outside the range equal
// range.outside), so that scans and sums need not visit those samples. The range must be right.
using RangedDefuzzifierFn = double (*)(const CompiledRuleBase& compiled, Workspace& ws,
                                       const CFuzzyDiscreteSet& conclusion, ConclusionRange range);

// One row of the defuzzification method table.
struct DefuzzificationMethodEntry {
    std::string_view fileKey;  // written to rule base files
    DefuzzifierFn method;
    RangedDefuzzifierFn ranged;
    std::string_view shortName;    // accepted by the reader as well
    std::string_view displayName;  // shown in selection lists, in table order
    // The smooth method re-runs the inference around the last inputs; choosing it switches the F-transform
    // filter off and makes it unavailable. It may throw ERefused (too many inferences).
    bool smooth;
};

// The 7 rows, in table (and selection list) order.
std::span<const DefuzzificationMethodEntry> DefuzzificationMethodTable();
// The row whose file key or short name begins `value`; when several do, the longest key or name wins.
// Null when none does.
const DefuzzificationMethodEntry* FindDefuzzificationMethod(std::string_view value);
// Default row of a new unit: Simple DEE ("SimpDefuzzLingExpression").
const DefuzzificationMethodEntry& SimpleDeeMethod();

}  // namespace zorv
