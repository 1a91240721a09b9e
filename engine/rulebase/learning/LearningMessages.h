#pragma once

#include <string>
#include <string_view>

namespace zorv {

// The texts learning shows.
struct LearningMessages {
    static constexpr std::string_view kRulesAdded = " rules were added.";
    static constexpr std::string_view kLinearSettings = "Linguistic settings has not user terms.";
    static constexpr std::string_view kNoUserTerms = " does not contain user defined terms.";
    static constexpr std::string_view kPentatomyNeedsLinguistic =
        "Linguistic learning (pentatomy) needs a linguistic rule base.";
    static constexpr std::string_view kNoInput = "The rule base has no input variable.";
    static constexpr std::string_view kNoOutput = "The rule base has no output variable.";

    // "N rules were added."
    static std::string rulesAdded(int count) { return std::to_string(count) + std::string(kRulesAdded); }
    // "x does not contain user defined terms."
    static std::string noUserTerms(const std::string& variable) { return variable + std::string(kNoUserTerms); }
    // "x has no linguistic settings; linguistic learning (pentatomy) needs them."
    static std::string notLinguistic(const std::string& variable) {
        return variable + " has no linguistic settings; linguistic learning (pentatomy) needs them.";
    }
};

}  // namespace zorv
