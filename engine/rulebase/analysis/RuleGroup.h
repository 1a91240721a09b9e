#pragma once

#include <vector>

namespace zorv {

// An ordered list of rule numbers (0-based, at least two); an analysis returns a list of them.
using RuleGroup = std::vector<int>;
using RuleGroups = std::vector<RuleGroup>;

}  // namespace zorv
