#include "inference/compiled/EvaluationRefusal.h"

#include "inference/InferenceMethodTable.h"

namespace zorv {

std::optional<std::string> EvaluationRefusal::Of(DescriptionType type, const InferenceMethodEntry& method) {
    if (method.appliesTo(type)) return std::nullopt;
    if (type == DescriptionType::linguistic) {
        return "The Takagi-Sugeno inference needs a singleton or Takagi-Sugeno rule base; a linguistic rule base "
               "needs one of the other inference methods.";
    }
    return "The method \"" + std::string(method.displayName) + "\" needs a linguistic rule base; a " +
           std::string(DescriptionTypeName(type)) + " rule base needs the Takagi-Sugeno inference.";
}

}  // namespace zorv
