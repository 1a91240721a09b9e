#include "inference/compiled/EvaluationRefusal.h"

#include "inference/InferenceMethodTable.h"

namespace zorv {

std::optional<std::string> EvaluationRefusal::Of(DescriptionType type, const InferenceMethodEntry& method) {
    const bool numeric = method.kind == InferenceKind::TakagiSugeno;
    if (type == DescriptionType::linguistic && numeric) {
        return "The Takagi-Sugeno inference needs a singleton or Takagi-Sugeno rule base; a linguistic rule base "
               "needs one of the other inference methods.";
    }
    if (type != DescriptionType::linguistic && !numeric) {
        return "The method \"" + std::string(method.displayName) + "\" needs a linguistic rule base; a " +
               std::string(DescriptionTypeName(type)) + " rule base needs the Takagi-Sugeno inference.";
    }
    return std::nullopt;
}

}  // namespace zorv
