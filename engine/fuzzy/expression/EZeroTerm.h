#pragma once

#include "fuzzy/expression/EModifTerm.h"

namespace zorv {

// [sign][no | roughly] zero (atom kZero). Prints "%s%szero".
class EZeroTerm : public EModifTerm {
public:
    EZeroTerm(const CSettings* vocabulary, int hedge, int sign) : EModifTerm(kZeroTerm, vocabulary, hedge, sign) {}

    void describe(CLingTerm& d) const override;

protected:
    void printSelf(std::string& out) const override;
};

}  // namespace zorv
