#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "rulebase/DescriptionType.h"

namespace zorv {

class CRuleBase;
class CValue;

// What the exporters and the C generator read from a compiled rule base: grids, the sampled set or linear
// coefficients of every rule cell, rule flags and methods. It is the only place that reads the compiled cells,
// so that the exporters follow wherever the compiled form lives.
class CompiledUnitView {
public:
    struct Grid {
        double low = 0.0;
        double high = 1.0;
        int points = 0;
        bool symmetric = false;

        // Coordinate of grid point j (the last one is high exactly).
        double x(int j) const;
    };

    // unit must be compiled and have an output variable.
    explicit CompiledUnitView(const CRuleBase& unit) : unit_(unit) {}

    const CRuleBase& unit() const { return unit_; }
    DescriptionType type() const;
    int inputCount() const;
    int ruleCount() const;
    bool enabled(int rule) const;
    std::uint16_t specificity(int rule) const;

    // Grid of input k, and of the first output.
    Grid inputGrid(int k) const;
    Grid outputGrid() const;
    const std::string& inputName(int k) const;
    const std::string& outputName() const;

    // The cell of input k (or of the first output) in a rule: its identity (rules sharing a cell share it),
    // text, samples on the variable's grid (empty for a linear cell) and, for a linear output cell, the
    // coefficients c0, c1, ..., cN.
    int inputCellId(int k, int rule) const;
    int outputCellId(int rule) const;
    const std::string& inputText(int k, int rule) const;
    const std::string& outputText(int rule) const;
    std::span<const double> inputSamples(int k, int rule) const;
    std::span<const double> outputSamples(int rule) const;
    std::vector<double> outputCoefficients(int rule) const;

    // The samples of a text evaluated in the vocabulary of input k (signed index for outputs: ~0), as a cell of
    // that text would hold them; empty when the text cannot be evaluated there.
    std::vector<double> samplesOf(int signedIndex, const std::string& text) const;
    // The user terms of a variable (signed index): name, shape type name and parameters.
    struct UserTerm {
        std::string name;
        std::string type;
        std::vector<double> params;
    };
    std::vector<UserTerm> userTerms(int signedIndex) const;

    double perceptionUpper() const;
    double perceptionLower() const;
    int steps() const;

private:
    Grid gridOf(int signedIndex) const;
    std::span<const double> samplesOfCell(const CValue& cell) const;

    const CRuleBase& unit_;
};

}  // namespace zorv
