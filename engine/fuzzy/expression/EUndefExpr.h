#pragma once

#include "fuzzy/expression/ESpecialExpr.h"

namespace zorv {

// "undef": the value is not defined (atom kUndef).
class EUndefExpr : public ESpecialExpr {
public:
    EUndefExpr() : ESpecialExpr(kUndef) {}
    void describe(CLingTerm& d) const override { d.atom = CLingTerm::kUndef; }

protected:
    void printSelf(std::string& out) const override { out += "undef"; }
};

}  // namespace zorv
