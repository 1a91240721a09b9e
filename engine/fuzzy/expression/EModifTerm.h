#pragma once

#include "fuzzy/expression/ETerm.h"

namespace zorv {

class CSettings;

// A term with a hedge code (-1 none, 0..7, 8 negation, 10 about) and a sign (-1, 0, +1).
class EModifTerm : public ETerm {
public:
    int hedge() const { return hedge_; }
    int sign() const { return sign_; }
    const CSettings* vocabulary() const { return vocabulary_; }
    void describe(CLingTerm& d) const override {
        d.hedge = hedge_;
        d.sign = sign_;
    }

protected:
    EModifTerm(int kind, const CSettings* vocabulary, int hedge, int sign)
        : ETerm(kind), vocabulary_(vocabulary), hedge_(hedge), sign_(sign) {}

    // Sign text followed by hedge text ("-very ", "no ", "about ", "").
    void printPrefix(std::string& out) const;

private:
    const CSettings* vocabulary_;  // not owned; null for a parser without vocabulary
    int hedge_;
    int sign_;
};

}  // namespace zorv
