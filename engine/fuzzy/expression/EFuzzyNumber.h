#pragma once

#include "fuzzy/expression/EModifTerm.h"

namespace zorv {

// "about v" (atom kFuzzyNumber, hedge code 10). Prints "about %g". A value outside the vocabulary's
// context fails validation.
class EFuzzyNumber : public EModifTerm {
public:
    EFuzzyNumber(const CSettings* vocabulary, double value)
        : EModifTerm(kFuzzyNumber, vocabulary, CLingTerm::kAbout, 0), value_(value) {}

    double value() const { return value_; }
    std::optional<double> number() const override { return value_; }
    void describe(CLingTerm& d) const override;
    std::optional<ESyntax> validate() const override;
    void rescale(double newLow, double newHigh, double oldLow, double oldHigh) override;
    void clamp(double low, double high) override;
    bool inRange(double low, double high) const override;

protected:
    void printSelf(std::string& out) const override;

private:
    double value_;
};

}  // namespace zorv
