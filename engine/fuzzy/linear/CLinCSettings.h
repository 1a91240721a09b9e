#pragma once

#include <string_view>
#include <vector>

#include "fuzzy/vocabulary/CSettings.h"

namespace zorv {

// Vocabulary of a Takagi-Sugeno output variable: its cells hold linear forms of the inputs such as
// "2.5 + x1 - 0.3*x2", which stand for c0 + c1 u1 + ... + cn un.
class CLinCSettings : public CSettings {
public:
    CLinCSettings(double low, double high) : CSettings(low, high) {}

    std::string_view typeName() const override { return "linc"; }
    int isLinear() const override { return 1; }

    // Reads a linear form over n input variables into coefficients[0..n] (entry 0 is the constant term,
    // entry i the factor of x<i>). Throws ESyntax (position 0, no text) on error; coefficients read
    // before the error keep their values. n must not be negative.
    void parseLinear(std::string_view text, double* coefficients, int n) const;
    // The same, returning the n + 1 coefficients.
    std::vector<double> parseLinear(std::string_view text, int n) const;
};

}  // namespace zorv
