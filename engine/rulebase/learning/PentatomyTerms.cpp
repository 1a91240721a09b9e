#include "rulebase/learning/PentatomyTerms.h"

#include <memory>
#include <stdexcept>

#include "fuzzy/sets/CFuzzyQuadraticSet.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

// Outputs first, then inputs, each in their order.
std::vector<int> variableOrder(const CRuleBase& unit) {
    std::vector<int> order;
    for (int k = 0; k < unit.SuccedentCount(); ++k) order.push_back(~k);
    for (int k = 0; k < unit.AntecedentCount(); ++k) order.push_back(k);
    return order;
}

}  // namespace

PentatomyTerms::Breakpoints PentatomyTerms::ordinary(double low, double high, const Breakpoints& fractions) {
    Breakpoints p{};
    for (std::size_t i = 0; i < p.size(); ++i) p[i] = low + (high - low) * fractions[i];
    return p;
}

PentatomyTerms::Breakpoints PentatomyTerms::positive(double high, const Breakpoints& fractions) {
    Breakpoints p{};
    for (std::size_t i = 0; i < p.size(); ++i) p[i] = high * fractions[i];
    return p;
}

PentatomyTerms::Breakpoints PentatomyTerms::negative(double high, const Breakpoints& fractions) {
    Breakpoints p{};
    for (std::size_t i = 0; i < p.size(); ++i) p[i] = -high * fractions[p.size() - 1 - i];
    return p;
}

std::vector<PentatomyTerms::Term> PentatomyTerms::of(double low, double high, bool symmetric) {
    if (!symmetric) {
        return {{"LoMe", ordinary(low, high, kLowerMiddle)}, {"UpMe", ordinary(low, high, kUpperMiddle)}};
    }
    return {{"PosLoMe", positive(high, kLowerMiddle)},
            {"NegLoMe", negative(high, kLowerMiddle)},
            {"PosUpMe", positive(high, kUpperMiddle)},
            {"NegUpMe", negative(high, kUpperMiddle)}};
}

void PentatomyTerms::apply(CRuleBase& unit) {
    const std::vector<int> order = variableOrder(unit);
    for (const int v : order) {
        if (dynamic_cast<const CBasicSettings*>(&unit.Settings(v)) == nullptr) {
            throw std::invalid_argument(unit.VariableName(v) + " has no vocabulary for user terms");
        }
    }
    for (const int v : order) {
        auto& vocabulary = dynamic_cast<CBasicSettings&>(unit.Settings(v));
        const double low = vocabulary.low();
        const double high = vocabulary.high();
        vocabulary.clearUserTerms();
        for (const Term& term : of(low, high, vocabulary.symmetric())) {
            const Breakpoints& p = term.breakpoints;
            vocabulary.addUserTerm(term.name, std::string(),
                                   std::make_unique<CFuzzyQuadraticSet>(p[0], p[1], p[2], p[3], p[4], p[5], low, high));
        }
    }
}

}  // namespace zorv
