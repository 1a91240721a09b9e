#pragma once

#include "fuzzy/expression/ETerm.h"

namespace zorv {

class CBasicSettings;

// A user-defined term of the vocabulary (atom kUserTerm and its index). Prints the term's short name.
class EUserTerm : public ETerm {
public:
    EUserTerm(const CBasicSettings* vocabulary, int index) : ETerm(kUserTerm), vocabulary_(vocabulary), index_(index) {}

    int index() const { return index_; }
    void describe(CLingTerm& d) const override {
        d.atom = CLingTerm::kUserTerm;
        d.userIndex = index_;
    }

protected:
    void printSelf(std::string& out) const override;

private:
    const CBasicSettings* vocabulary_;  // not owned
    int index_;
};

}  // namespace zorv
