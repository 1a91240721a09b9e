#pragma once

#include "fuzzy/expression/ESpecialExpr.h"

namespace zorv {

// "ignor": the variable does not matter in the rule (atom kOther).
class EIgnorExpr : public ESpecialExpr {
public:
    EIgnorExpr() : ESpecialExpr(kIgnor) {}
    void describe(CLingTerm& d) const override { d.atom = CLingTerm::kOther; }

protected:
    void printSelf(std::string& out) const override { out += "ignor"; }
};

}  // namespace zorv
