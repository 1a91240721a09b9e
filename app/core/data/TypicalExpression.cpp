#include "app/core/data/TypicalExpression.h"

#include <cmath>

#include "fuzzy/vocabulary/CLingWords.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"

namespace zorv {

namespace {

// perceive admits every hedge in this mode.
constexpr int kAllHedges = 2;

}  // namespace

std::string TypicalExpression::Of(const CSettings& settings, double value) {
    const auto* linguistic = dynamic_cast<const CLinguisticSettings*>(&settings);
    if (linguistic == nullptr || !std::isfinite(value)) {
        return {};
    }
    CLingTerm term;
    linguistic->perceive(value, term, kAllHedges);
    const std::string words = Words(term);
    return term.sign < 0 && !words.empty() ? "-" + words : words;
}

std::string TypicalExpression::Words(const CLingTerm& term) {
    std::string atom;
    if (term.atom >= CLingTerm::kSmall && term.atom <= CLingTerm::kZero) {
        atom = CLingWords::atomName(term.atom);
    } else if (term.atom == CLingTerm::kUndef) {
        atom = "undef";
    } else {
        return {};
    }
    const std::string_view hedge = CLingWords::hedgeName(term.hedge);
    return hedge.empty() ? atom : std::string(hedge) + " " + atom;
}

}  // namespace zorv
