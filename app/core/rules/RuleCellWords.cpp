#include "app/core/rules/RuleCellWords.h"

#include "fuzzy/expression/ESyntax.h"
#include "fuzzy/expression/ExpressionText.h"
#include "fuzzy/vocabulary/CBasicSettings.h"

namespace zorv {

std::vector<std::string> RuleCellWords::userTerms(const CSettings& vocabulary) {
    std::vector<std::string> names;
    const auto* words = dynamic_cast<const CBasicSettings*>(&vocabulary);
    if (words == nullptr || vocabulary.isLinear() != 0) return names;
    for (int i = words->standardTermCount(); i < static_cast<int>(words->terms().size()); ++i) {
        names.push_back(words->terms()[static_cast<std::size_t>(i)].shortName);
    }
    return names;
}

std::optional<std::string> RuleCellWords::applyWord(const CSettings& vocabulary, std::string_view text,
                                                    std::string_view word) {
    const auto* words = dynamic_cast<const CBasicSettings*>(&vocabulary);
    if (words == nullptr) return std::nullopt;
    return zorv::applyWord(*words, text, word);
}

std::optional<std::string> RuleCellWords::hint(const CSettings& vocabulary, std::string_view text) {
    if (text.empty()) return std::nullopt;
    try {
        return printExpression(vocabulary, text);
    } catch (const ESyntax&) {
        return std::nullopt;
    }
}

}  // namespace zorv
