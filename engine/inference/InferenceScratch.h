#pragma once

#include <cstdint>
#include <vector>

#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "fuzzy/sets/CFuzzyParamSet.h"
#include "inference/methods/RuleSelection.h"

namespace zorv {

class CRuleBase;
class CFuzValue;

// Context of one antecedent as the perception threshold reads it.
struct AntecedentContext {
    double low = 0.0;
    double high = 0.0;
    bool symmetric = false;
};

// One distinct (antecedent, cell) pair: the membership of the cell at that antecedent's input is computed once
// per evaluation, however many rules share it. A cell shared by two alias antecedents gets two slots.
struct DegreeSlot {
    const CFuzValue* cell = nullptr;  // null for a cell that is not a fuzzy set (degree 0)
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

// Working memory of the inference and defuzzification methods, owned by a rule base so that an evaluation
// allocates nothing. Prepare() runs at the end of every CRuleBase::Compile() and lays out the compiled rules
// (pointers into the unit's cells, valid until its next Compile()); the methods call EnsurePrepared() first,
// which prepares again only when the unit's shape no longer matches.
class InferenceScratch {
public:
    void Prepare(const CRuleBase& unit);
    bool IsPreparedFor(const CRuleBase& unit) const;
    void EnsurePrepared(const CRuleBase& unit) {
        if (!IsPreparedFor(unit)) Prepare(unit);
    }

    // ---- layout of the compiled unit (read-only between two Prepare calls)
    int antecedentCount = -1;
    int ruleCount = -1;
    int poolSize = -1;
    int succedentCount = -1;
    // Conclusion grid: the first succedent's discretization over its context (0 samples without a succedent).
    int samples = 0;
    double low = 0.0;
    double high = 0.0;
    bool symmetric = false;
    std::vector<AntecedentContext> contexts;      // per antecedent
    std::vector<int> discretizations;             // per antecedent
    std::vector<DegreeSlot> degreeSlots;
    std::vector<int> ruleSlots;                   // ruleSlots[r * antecedentCount + k]
    std::vector<int> slotBegin;                   // slots of antecedent k: [slotBegin[k], slotBegin[k + 1])
    std::vector<int> slotRuleBegin;               // rules using slot i: slotRules[slotRuleBegin[i] ..
    std::vector<int> slotRules;                   //   slotRuleBegin[i + 1]), in rule order
    std::vector<Consequent> consequents;          // per rule
    std::vector<const std::vector<double>*> coefficients;  // per rule; null when the consequent is not linear

    // ---- per evaluation
    std::vector<double> slotDegree;   // per slot
    std::vector<double> ruleDegree;   // per rule (enabled rules only are written)
    std::vector<int> active;          // enabled rules of non-zero degree, in rule order
    std::vector<SelectionCandidate> candidates;  // Perception-based Logical Deduction: the active rules
    std::vector<int> selected;                   // and those it keeps
    std::vector<double> open;                    // per sample: 1 while the deduction still folds rules there
    CFuzzyDiscreteSet conclusion;     // the conclusion of CRuleBase::Evaluate

    // ---- fuzzy-input methods
    std::vector<double> combined;                  // R[j] of one input combination
    std::vector<int> combination;                  // the multi-index being visited
    std::vector<CFuzzyDiscreteSet> singletons;     // crisp inputs as sets, per antecedent
    std::vector<const CFuzzyDiscreteSet*> singletonInputs;

    // ---- smooth defuzzification
    CFuzzyDiscreteSet smoothConclusion;
    std::vector<double> smoothCentre;           // the inputs the neighbourhood is built around
    std::vector<double> smoothPoint;            // the sample point handed to the inference
    std::vector<double> smoothFrom;             // per antecedent: first coordinate of the neighbourhood
    std::vector<double> smoothTo;               // per antecedent: last coordinate it may reach
    std::vector<double> smoothStep;             // per antecedent: distance between two coordinates
    std::vector<double> smoothWeight;           // per antecedent: the window's degree at the current coordinate
    std::vector<CFuzzyTriangSet> smoothWindows; // per antecedent: the triangular weight window
    std::vector<std::uint8_t> savedFired;
};

}  // namespace zorv
