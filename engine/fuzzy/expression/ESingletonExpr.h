#pragma once

#include "fuzzy/expression/ELingExpr.h"

namespace zorv {

// A bare number (the whole text of a cell of a variable without fuzzy vocabulary). Prints "%g".
class ESingletonExpr : public ELingExpr {
public:
    explicit ESingletonExpr(double value) : ELingExpr(kSingleton), value_(value) {}

    double value() const { return value_; }
    std::optional<double> number() const override { return value_; }
    void rescale(double newLow, double newHigh, double oldLow, double oldHigh) override;
    void clamp(double low, double high) override;
    bool inRange(double low, double high) const override;

protected:
    void printSelf(std::string& out) const override;

private:
    double value_;
};

}  // namespace zorv
