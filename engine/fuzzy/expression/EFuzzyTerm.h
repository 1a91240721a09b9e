#pragma once

#include "fuzzy/expression/EModifTerm.h"

namespace zorv {

// [sign][hedge] small | medium | big. Prints "%s%s%s" of sign, hedge text and the atom's full name.
// A negative term on a context whose low bound is 0 or more fails validation.
class EFuzzyTerm : public EModifTerm {
public:
    EFuzzyTerm(const CSettings* vocabulary, int atom, int hedge, int sign)
        : EModifTerm(kFuzzyTerm, vocabulary, hedge, sign), atom_(atom) {}

    int atom() const { return atom_; }
    void describe(CLingTerm& d) const override;
    std::optional<ESyntax> validate() const override;

protected:
    void printSelf(std::string& out) const override;

private:
    int atom_;
};

}  // namespace zorv
