#pragma once

#include <memory>
#include <optional>
#include <string>

#include "rulebase/DescriptionType.h"

namespace zorv {

class CRuleBase;
struct InferenceMethodEntry;
struct DefuzzificationMethodEntry;

// An independent copy of a rule base for evaluating on another thread: an evaluation writes the unit's
// fired flags, input buffer and working memory, so two threads never share one unit.
//
// The copy is made in two steps so that only the cheap one needs the original: capture() takes the unit's
// file text on the owning thread; make() reads it back (parsing and compiling, the costly part) on any
// thread. The copy gets the original's methods, perception thresholds and steps, which the file text does
// not all hold; its F-transform filter switch is off, so that reading it never builds a filter.
class UnitReplica {
public:
    // The original's state for make(); none when the unit cannot be written as a file.
    static std::optional<UnitReplica> capture(const CRuleBase& unit);

    // A new unit equal to the captured one; null when its text cannot be read back.
    std::unique_ptr<CRuleBase> make() const;

private:
    UnitReplica(const CRuleBase& unit, std::string text);

    std::string text_;
    std::string name_;
    DescriptionType type_;
    const InferenceMethodEntry* inference_;
    const DefuzzificationMethodEntry* defuzzification_;
    double perceptionUpper_;
    double perceptionLower_;
    int steps_;
};

}  // namespace zorv
