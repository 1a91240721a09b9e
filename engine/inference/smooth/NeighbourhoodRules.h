#pragma once

#include <cstdint>
#include <vector>

#include "inference/smooth/AxisDegrees.h"
#include "inference/smooth/DegreeKey.h"

namespace zorv {

class CompiledRuleBase;

// The rules of a compiled rule base at the points of a smooth neighbourhood, combined from the per-axis degrees
// (AxisDegrees). The points are visited in rows, the first antecedent running fastest:
//  - a row fixes the coordinates of antecedents 1.. and keeps the enabled rules whose degree over those,
//    e_r = min over k >= 1 of A_rk(p_k), is not 0;
//  - at first-antecedent coordinate i a kept rule has the degree d_r = min(A_r0(p_0), e_r) (the degrees being
//    non-negative, this is the minimum the inference takes antecedent by antecedent).
// The key of a point lists the rules its conclusion is made of, with their degrees: every rule with d_r > 0,
// or for Perception-based Logical Deduction the rules it selects, with t = min(1, min over k of the levels).
class NeighbourhoodRules {
public:
    // selecting: the method is Perception-based Logical Deduction. Needs at least one antecedent.
    void Prepare(const CompiledRuleBase& compiled, bool selecting);
    // index: the coordinate of every antecedent (index[0] is not read).
    void BeginRow(const AxisDegrees& degrees, const int* index);
    // Makes the key of the point at first-antecedent coordinate i, and returns it.
    DegreeKey KeyAt(const AxisDegrees& degrees, int i);
    DegreeKey Key() const { return {key_.data(), length_}; }
    // Whether the key equals the one kept last; Keep() keeps the key.
    bool SameAsKept() const {
        if (!hasKept_ || keptLength_ != length_) return false;
        for (std::size_t j = 0; j < length_; ++j)
            if (!(key_[j] == keptKey_[j])) return false;
        return true;
    }
    void Keep();
    void ForgetKept() { hasKept_ = false; }

private:
    struct Kept {
        int rule = 0;
        int slot = 0;  // the rule's slot of antecedent 0, from the first slot of antecedent 0
        double partial = 0.0;
        std::uint16_t specificity = 0;
    };
    static double DegreeOf(const Kept& kept, const double* first) {
        const double d0 = first[kept.slot];
        return d0 == 0.0 ? d0 : (kept.partial < d0 ? kept.partial : d0);
    }
    void ActiveKeyAt(const double* first);
    void SelectedKeyAt(const double* first, double threshold);

    int antecedents_ = 0;
    bool selecting_ = false;
    std::vector<int> enabled_;                // enabled rules, in order
    std::vector<int> slots_;                  // per rule and antecedent: its slot, from the antecedent's first
    std::vector<std::uint16_t> specificity_;  // per rule
    std::vector<Kept> kept_;                  // the row's rules
    double rowLevel_ = 1.0;                   // min(1, levels of antecedents 1..)
    std::vector<DegreeKeyItem> key_;          // the key: its first length_ items
    std::size_t length_ = 0;
    std::vector<DegreeKeyItem> keptKey_;     // the key kept last
    std::size_t keptLength_ = 0;
    bool hasKept_ = false;
};

}  // namespace zorv
