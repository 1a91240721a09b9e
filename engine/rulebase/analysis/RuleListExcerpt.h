#pragma once

#include "rulebase/analysis/RuleGroup.h"

namespace zorv {

// A list of rule numbers in ascending order, kept as its first members, its length and its last member, so
// that a list as long as the rule base costs no more than the few members a display shows.
struct RuleListExcerpt {
    RuleGroup first;  // the first members of the list, no more than were asked for
    int count = 0;    // the members of the whole list
    int last = -1;    // its last member

    bool operator==(const RuleListExcerpt&) const = default;
};

}  // namespace zorv
