#pragma once

#include <string>
#include <vector>

#include "rulebase/analysis/RulesInfo.h"

namespace zorv {

// One row of the rules grid: the rule's enabled flag, one expression text per input and output variable,
// the comment lines that stand before it in the file, and the analysis shown beside it.
struct RuleGridRow {
    bool enabled = true;
    std::vector<std::string> texts;
    std::string comment;
    RuleInfo info;
};

}  // namespace zorv
