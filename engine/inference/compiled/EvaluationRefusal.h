#pragma once

#include <optional>
#include <string>

#include "rulebase/DescriptionType.h"

namespace zorv {

struct InferenceMethodEntry;

// The one place that decides whether a rule base of a description type can be evaluated with an inference
// method. A linguistic rule base concludes output fuzzy sets, so it needs a method that infers one; a singleton
// or Takagi-Sugeno rule base has numbers as consequents and needs the Takagi-Sugeno inference. Files may hold
// any pairing; the others load, but their evaluation is refused with this message.
class EvaluationRefusal {
public:
    // Why the pairing cannot be evaluated (a message for the user); none when it can.
    static std::optional<std::string> Of(DescriptionType type, const InferenceMethodEntry& method);
};

}  // namespace zorv
