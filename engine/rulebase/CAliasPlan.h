#pragma once

#include <string>
#include <vector>

namespace zorv {

class CRuleBase;

// How the writer stores each variable's settings so that the reader shares them again: in full at the first
// variable of the file (antecedents, then succedents) that holds them, and as "alias(name)" at every later
// holder, with a name that the reader resolves, among the variables read before, to a holder of the same
// settings. Throws EWrite when duplicate names leave no such name.
class CAliasPlan {
public:
    explicit CAliasPlan(const CRuleBase& unit);

    // The variable whose name the alias line of signedIndex gives; CRuleBase::kNoVariable when the variable
    // is written with its settings in full.
    int Target(int signedIndex) const;

private:
    std::vector<int> targets_;  // in file order
    int antecedentCount_ = 0;
};

}  // namespace zorv
