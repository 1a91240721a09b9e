#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rulebase/SampledCell.h"

namespace zorv {

class CRuleBase;

// Context of one antecedent as the perception threshold reads it.
struct AntecedentContext {
    double low = 0.0;
    double high = 0.0;
    bool symmetric = false;

    bool operator==(const AntecedentContext&) const = default;
};

// One distinct (antecedent, cell) pair: the membership of the cell at that antecedent's input is computed once
// per evaluation, however many rules share it. A cell shared by two alias antecedents gets two slots.
struct DegreeSlot {
    const SampledCell* cell = nullptr;  // null for a cell that is not a fuzzy set (degree 0)
    int antecedent = 0;
};

// The first-succedent set of one rule on the conclusion grid: samples[j] for j in [first, last], 0 elsewhere.
// first > last when the set is all zero (or the rule has no fuzzy consequent).
struct Consequent {
    const double* samples = nullptr;
    int first = 0;
    int last = -1;

    double at(int j) const { return j >= first && j <= last ? samples[j] : 0.0; }
};

// The rules of a rule base laid out for inference, as its Compile() left them: the sampled cells (shared with
// the document's cells, so they stay valid after the document changes or goes), per antecedent the distinct
// cells it uses, per rule the positions of its cells, its consequent and its specificity, and the conclusion
// grid. Made once per Compile() and never changed; compiled rule bases share it.
struct CompiledRules {
    explicit CompiledRules(const CRuleBase& unit);
    CompiledRules(const CompiledRules&) = delete;
    CompiledRules& operator=(const CompiledRules&) = delete;

    int antecedentCount = 0;
    int succedentCount = 0;
    int ruleCount = 0;
    // Conclusion grid: the first succedent's discretization over its context (0 samples without a succedent).
    int samples = 0;
    double low = 0.0;
    double high = 0.0;
    bool symmetric = false;
    std::vector<std::string> antecedentNames;
    std::string outputName;                       // the first succedent's name; empty without one
    std::vector<AntecedentContext> contexts;      // per antecedent
    std::vector<int> discretizations;             // per antecedent
    std::vector<DegreeSlot> degreeSlots;
    std::vector<int> ruleSlots;                   // ruleSlots[r * antecedentCount + k]
    std::vector<int> slotBegin;                   // slots of antecedent k: [slotBegin[k], slotBegin[k + 1])
    std::vector<int> slotRuleBegin;               // rules using slot i: slotRules[slotRuleBegin[i] ..
    std::vector<int> slotRules;                   //   slotRuleBegin[i + 1]), in rule order
    std::vector<Consequent> consequents;          // per rule
    std::vector<const SampledCell*> consequentCells;       // per rule; null when not a fuzzy set
    std::vector<const std::vector<double>*> coefficients;  // per rule; null when the consequent is not linear
    std::vector<std::uint16_t> specificity;       // per rule
    // The number of rules expected to have a non-zero degree at an input spread evenly over the contexts
    // (the product of the antecedent supports' shares of their contexts, summed over the rules).
    double expectedActiveRules = 0.0;

    // The sampled set of antecedent k in rule r; null when that cell is not a fuzzy set.
    const SampledCell* AntecedentCell(int k, int r) const {
        return degreeSlots[static_cast<std::size_t>(
                               ruleSlots[static_cast<std::size_t>(r) * static_cast<std::size_t>(antecedentCount) +
                                         static_cast<std::size_t>(k)])]
            .cell;
    }

private:
    void LayOutVariables(const CRuleBase& unit);
    void LayOutSlots(const CRuleBase& unit);
    void IndexRulesBySlot();
    void LayOutConsequents(const CRuleBase& unit);
    void EstimateActiveRules();

    std::vector<std::shared_ptr<const SampledCell>> cells_;    // keeps every sampled cell read above alive
    std::vector<std::vector<double>> coefficientStore_;        // the linear consequents, one per rule
};

}  // namespace zorv
