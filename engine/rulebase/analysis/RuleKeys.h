#pragma once

#include <vector>

#include "rulebase/analysis/RuleTable.h"

namespace zorv {

// Integer keys for the cells and rules of a rule table, so that equal rules are found by hashing instead of
// by comparing every pair of rules.
//
// Each distinct text of a variable is looked at once and given a cell class: cells of one class compare
// equal (AnalysisCell::compare gives 0). Small, medium and big cells with a hedge of known width also lie on
// a chain (one per atom and sign) at their width rank, which is how two cells of different classes can
// still be narrower or wider.
// A rule's antecedent key stands for its tuple of antecedent cell classes, likewise its succedent key, and
// its conclusion key for the exact texts of its succedent cells. A rule with a cell that does not parse gets
// an antecedent (or succedent) key of its own, since such a cell never makes two rules equal.
class RuleKeys {
public:
    explicit RuleKeys(const RuleTable& table);

    int antecedentKey(int rule) const { return antecedentKeys_[rule]; }
    int succedentKey(int rule) const { return succedentKeys_[rule]; }
    int conclusionKey(int rule) const { return conclusionKeys_[rule]; }

    // Whether all antecedent (succedent) cells of the two rules compare equal.
    bool antecedentsEqual(int a, int b) const;
    bool succedentsEqual(int a, int b) const;

    int antecedentKeyCount() const { return static_cast<int>(shapes_.size()); }
    // Antecedent keys of different shapes never compare other than 100; -1 for an antecedent that has a
    // cell that does not parse.
    int shape(int antecedentKey) const { return shapes_[antecedentKey]; }
    // compareAntecedents on keys: 0 equal, 1 a narrower, 2 b narrower, 100 incomparable.
    int compareAntecedentKeys(int a, int b) const;
    // For a key whose antecedents parse: the width rank (0 .. 8) of its cell of input k when that cell lies on
    // a chain, else -1. Two keys of one shape differ only in these ranks, and one covers the other when
    // its ranks are all at least as high.
    int chainRank(int antecedentKey, int k) const;
    int antecedentCount() const { return antecedentCount_; }

private:
    struct CellClass {
        int chain = -1;  // atom and sign of a graded cell whose hedge has a width rank, else -1
        int rank = 0;    // the width rank on that chain
    };

    class Column;

    void keyRules(const RuleTable& table, std::vector<Column>& columns);
    const int* antecedentClasses(int key) const;

    int antecedentCount_;
    std::vector<int> antecedentKeys_;
    std::vector<int> succedentKeys_;
    std::vector<int> conclusionKeys_;
    std::vector<bool> succedentsParsed_;
    std::vector<std::vector<CellClass>> classes_;  // per antecedent variable, indexed by cell class
    std::vector<int> antecedentTuples_;            // antecedentCount_ cell classes per parsed antecedent key
    std::vector<int> tupleOffset_;                 // per antecedent key: offset into antecedentTuples_, or -1
    std::vector<int> shapes_;
};

}  // namespace zorv
