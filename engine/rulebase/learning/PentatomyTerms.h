#pragma once

#include <array>
#include <string>
#include <vector>

namespace zorv {

class CRuleBase;

// The fixed user terms of pentatomy learning: quadratic sets (CFuzzyQuadraticSet parameters p1..p6) that
// cut the middle of a variable's context, at fixed fractions t of it.
// Ordinary context <low, high>: "LoMe" and "UpMe" at low + (high - low) t.
// Symmetric context <-h, h>: "PosLoMe" at h t, "NegLoMe" its mirror image (-h t, in ascending order),
// "PosUpMe" and "NegUpMe" likewise from the upper-middle fractions.
class PentatomyTerms {
public:
    using Breakpoints = std::array<double, 6>;
    static constexpr Breakpoints kLowerMiddle{0.125, 0.196, 0.25, 0.33, 0.375, 0.451};
    static constexpr Breakpoints kUpperMiddle{0.445, 0.494, 0.54, 0.65, 0.698, 0.741};

    struct Term {
        std::string name;
        Breakpoints breakpoints;
    };

    // The terms of a context, in the order they are added to a vocabulary.
    static std::vector<Term> of(double low, double high, bool symmetric);

    // Replaces the user terms of every variable, outputs first, then inputs, by the terms of its context.
    // Every variable must have a vocabulary with user terms (std::invalid_argument before anything changes
    // otherwise). The rules are not recompiled.
    static void apply(CRuleBase& unit);

private:
    static Breakpoints ordinary(double low, double high, const Breakpoints& fractions);
    static Breakpoints positive(double high, const Breakpoints& fractions);
    static Breakpoints negative(double high, const Breakpoints& fractions);
};

}  // namespace zorv
