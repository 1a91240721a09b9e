#include "rulebase/analysis/RuleKeys.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>

namespace zorv {

namespace {

struct TupleHash {
    std::size_t operator()(const std::vector<int>& tuple) const {
        std::size_t hash = tuple.size();
        for (const int value : tuple) {
            hash ^= std::hash<int>{}(value) + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
        }
        return hash;
    }
};

// Hands out the keys 0, 1, 2, ... to tuples, equal tuples sharing a key.
class TupleKeys {
public:
    // The key of the tuple, and whether it is new.
    std::pair<int, bool> key(const std::vector<int>& tuple) {
        const auto [found, inserted] = keys_.try_emplace(tuple, next_);
        next_ += inserted ? 1 : 0;
        return {found->second, inserted};
    }
    // A key of its own, for a tuple of cells one of which does not parse (-1): it equals no other.
    std::pair<int, bool> keyOfParsed(const std::vector<int>& tuple) {
        return std::find(tuple.begin(), tuple.end(), -1) == tuple.end() ? key(tuple) : std::pair{next_++, true};
    }

private:
    std::unordered_map<std::vector<int>, int, TupleHash> keys_;
    int next_ = 0;
};

}  // namespace

// The texts of one variable: each distinct text is classified once.
class RuleKeys::Column {
public:
    struct Cell {
        int text;
        int cellClass;  // -1 when the text does not parse
    };

    Cell of(const AnalysisCell& cell) {
        const auto found = texts_.find(cell.text);
        if (found != texts_.end()) {
            return found->second;
        }
        const Cell described{static_cast<int>(texts_.size()), classOf(cell)};
        texts_.emplace(cell.text, described);
        return described;
    }

    std::vector<CellClass> classes;

private:
    int classOf(const AnalysisCell& cell) {
        if (!cell.parsed()) {
            return -1;
        }
        const CLingTerm& term = *cell.term;
        // Graded cells are equal when their descriptors are; every other cell only to the same text.
        std::string key(1, cell.graded() ? 'g' : 't');
        for (const int part : {term.atom, term.hedge, term.sign, term.userIndex}) {
            key += std::to_string(part);
            key += ' ';
        }
        if (!cell.graded()) {
            key += cell.text;
        }
        const auto [found, inserted] = classKeys_.try_emplace(key, static_cast<int>(classes.size()));
        if (inserted) {
            CellClass added;
            const int rank = CLingTerm::hedgeWidthRank(term.hedge);
            if (cell.graded() && rank >= 0) {
                added.chain = chains_.try_emplace({term.atom, term.sign, term.userIndex}, static_cast<int>(chains_.size())).first->second;
                added.rank = rank;
            }
            classes.push_back(added);
        }
        return found->second;
    }

    std::unordered_map<std::string, Cell> texts_;
    std::unordered_map<std::string, int> classKeys_;
    std::map<std::tuple<int, int, int>, int> chains_;  // atom, sign and user index of graded cells
};

RuleKeys::RuleKeys(const RuleTable& table) : antecedentCount_(table.antecedentCount()) {
    std::vector<Column> columns(static_cast<std::size_t>(table.antecedentCount() + table.succedentCount()));
    keyRules(table, columns);
    for (int k = 0; k < antecedentCount_; ++k) {
        classes_.push_back(std::move(columns[k].classes));
    }
}

void RuleKeys::keyRules(const RuleTable& table, std::vector<Column>& columns) {
    const int succedents = table.succedentCount();
    TupleKeys antecedentKeys;
    TupleKeys succedentKeys;
    TupleKeys conclusionKeys;
    TupleKeys shapeKeys;
    std::vector<int> antecedents(static_cast<std::size_t>(antecedentCount_));
    std::vector<int> shape(antecedents.size());
    std::vector<int> outputClasses(static_cast<std::size_t>(succedents));
    std::vector<int> conclusion(outputClasses.size());
    for (int rule = 0; rule < table.ruleCount(); ++rule) {
        for (int k = 0; k < antecedentCount_; ++k) {
            antecedents[k] = columns[k].of(table.cell(k, rule)).cellClass;
        }
        for (int k = 0; k < succedents; ++k) {
            const Column::Cell cell = columns[antecedentCount_ + k].of(table.cell(~k, rule));
            outputClasses[k] = cell.cellClass;
            conclusion[k] = cell.text;
        }
        const auto [key, added] = antecedentKeys.keyOfParsed(antecedents);
        antecedentKeys_.push_back(key);
        succedentKeys_.push_back(succedentKeys.keyOfParsed(outputClasses).first);
        succedentsParsed_.push_back(std::find(outputClasses.begin(), outputClasses.end(), -1) == outputClasses.end());
        conclusionKeys_.push_back(conclusionKeys.key(conclusion).first);
        if (!added) {
            continue;
        }
        if (std::find(antecedents.begin(), antecedents.end(), -1) != antecedents.end()) {
            tupleOffset_.push_back(-1);
            shapes_.push_back(-1);
            continue;
        }
        tupleOffset_.push_back(static_cast<int>(antecedentTuples_.size()));
        antecedentTuples_.insert(antecedentTuples_.end(), antecedents.begin(), antecedents.end());
        // Cells on a chain may differ between comparable rules; every other cell must be the same class.
        for (int k = 0; k < antecedentCount_; ++k) {
            const int chain = columns[k].classes[antecedents[k]].chain;
            shape[k] = chain >= 0 ? -2 - chain : antecedents[k];
        }
        shapes_.push_back(shapeKeys.key(shape).first);
    }
}

bool RuleKeys::antecedentsEqual(int a, int b) const {
    return antecedentKeys_[a] == antecedentKeys_[b] && shapes_[antecedentKeys_[a]] >= 0;
}

bool RuleKeys::succedentsEqual(int a, int b) const {
    return succedentKeys_[a] == succedentKeys_[b] && succedentsParsed_[a];
}

int RuleKeys::chainRank(int antecedentKey, int k) const {
    const CellClass& cell = classes_[k][antecedentClasses(antecedentKey)[k]];
    return cell.chain >= 0 ? cell.rank : -1;
}

const int* RuleKeys::antecedentClasses(int key) const {
    return antecedentTuples_.data() + tupleOffset_[key];
}

int RuleKeys::compareAntecedentKeys(int a, int b) const {
    if (shapes_[a] < 0 || shapes_[b] < 0) {
        return AnalysisCell::kIncomparable;
    }
    if (a == b) {
        return AnalysisCell::kEqual;
    }
    if (shapes_[a] != shapes_[b]) {
        return AnalysisCell::kIncomparable;
    }
    const int* classesA = antecedentClasses(a);
    const int* classesB = antecedentClasses(b);
    bool aNarrower = false;
    bool bNarrower = false;
    for (int k = 0; k < antecedentCount_; ++k) {
        if (classesA[k] == classesB[k]) {
            continue;
        }
        const int rankA = classes_[k][classesA[k]].rank;
        const int rankB = classes_[k][classesB[k]].rank;
        if (rankA == rankB) {
            return AnalysisCell::kIncomparable;
        }
        (rankA < rankB ? aNarrower : bNarrower) = true;
    }
    if (aNarrower == bNarrower) {
        return aNarrower ? AnalysisCell::kIncomparable : AnalysisCell::kEqual;
    }
    return aNarrower ? AnalysisCell::kFirstNarrower : AnalysisCell::kSecondNarrower;
}

}  // namespace zorv
