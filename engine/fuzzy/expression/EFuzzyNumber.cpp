#include "fuzzy/expression/EFuzzyNumber.h"

#include "fuzzy/expression/NumberOperations.h"
#include "fuzzy/vocabulary/CSettings.h"
#include "text/NumberText.h"

namespace zorv {

void EFuzzyNumber::describe(CLingTerm& d) const {
    EModifTerm::describe(d);
    d.atom = CLingTerm::kFuzzyNumber;
}

std::optional<ESyntax> EFuzzyNumber::validate() const {
    if (vocabulary() != nullptr && !inRange(vocabulary()->low(), vocabulary()->high())) {
        return ESyntax("fuzzy number out of context", std::nullopt, ESyntax::kAfterParse);
    }
    return std::nullopt;
}

void EFuzzyNumber::rescale(double newLow, double newHigh, double oldLow, double oldHigh) {
    value_ = rescaledNumber(value_, newLow, newHigh, oldLow, oldHigh);
}

void EFuzzyNumber::clamp(double low, double high) { value_ = clampedNumber(value_, low, high); }

bool EFuzzyNumber::inRange(double low, double high) const { return low <= value_ && value_ <= high; }

void EFuzzyNumber::printSelf(std::string& out) const {
    printPrefix(out);
    out += NumberText::general(value_);
}

}  // namespace zorv
