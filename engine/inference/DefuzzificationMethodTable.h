#pragma once

#include <span>
#include <string_view>

#include "inference/ConclusionRange.h"
#include "inference/ForeignCounterpart.h"

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

// One row of the defuzzification method table, and everything that describes the method elsewhere: the names
// that files, lists and commands use, the kernel, its counterpart in generated C and in other tools' files.
struct DefuzzificationMethodEntry {
    std::string_view fileKey;      // written to rule base files
    std::string_view shortName;    // accepted by the reader as well
    std::string_view displayName;  // shown in selection lists, in table order
    std::string_view help;         // one line: the value it picks
    DefuzzifierFn method;
    RangedDefuzzifierFn ranged;
    // The smooth method re-runs the inference around the last inputs; choosing it switches the F-transform
    // filter off and makes it unavailable. It may throw ERefused (too many inferences).
    bool smooth;
    // The method in the generated C: a function `static double zv_defuzz(const double *mu)` over the
    // ZV_OUT_N samples of the conclusion (a smooth method: `static int zv_smooth(const double *x, const double
    // *mu, double *output)`, returning 2 where it refuses), free to call the runtime's zv_ helpers. Empty:
    // no C form.
    std::string_view c;
    ForeignCounterpart foreign = {};  // the defuzzifier other tools name for it
};

// The rows, in table (and selection list) order.
std::span<const DefuzzificationMethodEntry> DefuzzificationMethodTable();
// The row one of whose names (file key, short name or display name) equals name exactly, case included; null
// when none does (see FindInferenceMethod).
const DefuzzificationMethodEntry* FindDefuzzificationMethod(std::string_view name);
// Default row of a new unit: Simple DEE ("SimpDefuzzLingExpression").
const DefuzzificationMethodEntry& SimpleDeeMethod();

}  // namespace zorv
