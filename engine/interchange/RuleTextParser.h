#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interchange/ForeignSystem.h"
#include "interchange/ProblemList.h"

namespace zorv {

// Reads the text of one rule as FLL and FCL write it:
//   if A is [hedges] T [and|or ...] then O is [hedges] T [and O2 is T2 ...] [with W]
// with parentheses in the antecedent, "and" binding tighter than "or", and "not" also before a parenthesised
// group (pushed down onto the propositions by De Morgan's laws, which hold for min / max with 1 - a).
// Keywords are read in any case. Names are matched exactly, else ignoring case when that finds exactly one.
class RuleTextParser {
public:
    RuleTextParser(const std::vector<ForeignVariable>& inputs, const std::vector<ForeignVariable>& outputs)
        : inputs_(inputs), outputs_(outputs) {}

    // The rule, or none after adding the problems to problems.
    std::optional<ForeignRule> parse(std::string_view text, int line, ProblemList& problems) const;

private:
    class Run;

    const std::vector<ForeignVariable>& inputs_;
    const std::vector<ForeignVariable>& outputs_;
};

// Index of the variable or term whose name is name: exact, else the only one equal ignoring case; -1 if none.
int FindForeignName(const std::vector<std::string>& names, const std::string& name);

}  // namespace zorv
