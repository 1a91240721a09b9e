#pragma once

#include <optional>

#include "rulebase/DescriptionType.h"

namespace zorv {

// Asks for the type of a new rule base; none when the user cancels.
class NewRuleBaseChooser {
public:
    virtual ~NewRuleBaseChooser() = default;
    virtual std::optional<DescriptionType> chooseType() = 0;
};

}  // namespace zorv
