#include "rulebase/learning/ValueDescriber.h"

#include "fuzzy/vocabulary/CLinguisticSettings.h"

namespace zorv {

namespace {

std::string userTermName(const CBasicSettings& vocabulary, const CLingTerm& term) {
    return vocabulary.terms()[static_cast<std::size_t>(term.userIndex)].shortName;
}

}  // namespace

std::optional<std::string> ValueDescriber::describe(const CSettings& vocabulary, double x) const {
    return mode_ == LearningMode::approx ? bestUserTerm(vocabulary, x) : perceived(vocabulary, x);
}

std::optional<std::string> ValueDescriber::bestUserTerm(const CSettings& vocabulary, double x) {
    const auto* basic = dynamic_cast<const CBasicSettings*>(&vocabulary);
    CLingTerm term;
    if (basic == nullptr || !basic->bestUserTerm(x, term)) return std::nullopt;
    return userTermName(*basic, term);
}

std::optional<std::string> ValueDescriber::perceived(const CSettings& vocabulary, double x, int mode) {
    const auto* linguistic = dynamic_cast<const CLinguisticSettings*>(&vocabulary);
    if (linguistic == nullptr) return std::nullopt;
    CLingTerm term;
    linguistic->perceiveWithUserTerms(x, term, mode);
    return term.atom == CLingTerm::kUserTerm ? userTermName(*linguistic, term) : term.abbreviated();
}

}  // namespace zorv
