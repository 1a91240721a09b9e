#pragma once

// Straightforward transcriptions of the inference and defuzzification algorithms, sample by sample and rule by
// rule, written independently of the engine's fast methods so that the two can be compared.

#include <cstdint>
#include <string_view>
#include <vector>

#include "rulebase/CRuleBase.h"

namespace zorv::literal {

struct Outcome {
    std::vector<double> conclusion;
    std::vector<std::uint8_t> fired;
    int firedCount = -1;
};

enum class TNorm { Minimum, Product, Lukasiewicz };

Outcome Cnf(const CRuleBase& unit, const double* x);
Outcome Dnf(const CRuleBase& unit, const double* x, TNorm t);
Outcome LogicalDeduction(const CRuleBase& unit, const double* x);
// inputs: one sample array per antecedent, each of that antecedent's discretization.
std::vector<double> LogicalFuzzyInput(const CRuleBase& unit, const std::vector<std::vector<double>>& inputs);
std::vector<double> FunctionalFuzzyInput(const CRuleBase& unit, const std::vector<std::vector<double>>& inputs);
double TakagiSugeno(const CRuleBase& unit, const double* x, std::vector<std::uint8_t>* fired = nullptr);

// The conclusion of the method with that file key on crisp inputs (the fuzzy-input methods: singletons at the
// nearest point).
Outcome Infer(const CRuleBase& unit, std::string_view key, const double* x);

// Defuzzification of mu over <lo, hi>.
struct Conclusion {
    std::vector<double> mu;
    double lo = 0.0;
    double hi = 1.0;
    bool symmetric = false;
};
double Cog(const Conclusion& c);
double ModifiedCog(const Conclusion& c);
double Mom(const Conclusion& c);
double SimpleDee(const Conclusion& c);
double SimpleDeeCog(const Conclusion& c);
double Dee(const Conclusion& c);
// The neighbourhood average around x with the inference method of that file key.
double Smooth(const CRuleBase& unit, std::string_view key, const double* x);

Conclusion ConclusionOf(const CRuleBase& unit, std::vector<double> mu);

}  // namespace zorv::literal
