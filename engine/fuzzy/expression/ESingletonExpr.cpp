#include "fuzzy/expression/ESingletonExpr.h"

#include "fuzzy/expression/NumberOperations.h"
#include "text/NumberText.h"

namespace zorv {

void ESingletonExpr::rescale(double newLow, double newHigh, double oldLow, double oldHigh) {
    value_ = rescaledNumber(value_, newLow, newHigh, oldLow, oldHigh);
}

void ESingletonExpr::clamp(double low, double high) { value_ = clampedNumber(value_, low, high); }

bool ESingletonExpr::inRange(double low, double high) const { return low <= value_ && value_ <= high; }

void ESingletonExpr::printSelf(std::string& out) const { out += NumberText::general(value_); }

}  // namespace zorv
