#pragma once

#include <cstddef>
#include <vector>

#include "inference/compiled/CompiledRules.h"
#include "inference/smooth/SmoothAxes.h"

namespace zorv {

// The memberships of a rule base's antecedent cells along the axes of a smooth neighbourhood: for antecedent k,
// at each of its coordinates p, the degree of every distinct cell of k (its degree slots) at p, and the
// perception level of p. The neighbourhood is a regular grid, so each is computed once per coordinate
// instead of once per point.
class AxisDegrees {
public:
    // Fills the tables for the listed axes. False when some degree is negative or NaN: a rule's degree is then
    // not simply the smallest of its antecedents' degrees, and the caller takes the plain path.
    bool Compute(const CompiledRules& rules, const SmoothAxes& axes, double upper, double lower);

    // The degrees of the slots of antecedent k at its coordinate i, indexed from the first slot of k.
    const double* DegreesAt(int k, int i) const {
        return degrees_.data() + offset_[At(k)] + At(i) * width_[At(k)];
    }
    double LevelAt(int k, int i) const { return levels_[levelOffset_[At(k)] + At(i)]; }

private:
    static std::size_t At(int i) { return static_cast<std::size_t>(i); }

    std::vector<double> degrees_;
    std::vector<double> levels_;
    std::vector<std::size_t> offset_;       // per antecedent: where its rows of degrees begin
    std::vector<std::size_t> width_;        // per antecedent: its number of slots
    std::vector<std::size_t> levelOffset_;  // per antecedent: where its levels begin
};

}  // namespace zorv
