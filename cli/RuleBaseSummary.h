#pragma once

#include <string>

namespace zorv {
class CRuleBase;
}

namespace zorv::cli {

// The summary "zorv check" prints of a rule base: type, methods (by display name), each variable with
// its vocabulary and user terms, and the rules.
//
//   type: linguistic
//   inference: Perception-based Logical Deduction
//   defuzzification: Simple Defuzzification of Linguistic Expressions (DEE)
//   fuzzy transform filter: off
//   input 1: indoor
//     settings: linguistic
//     context: <10, 30>
//     discretization: 301
//     lingparams: 0.05 0.304 0.4 0.94
//     user term: comfortable = trapezoid 19 20 22 23
//   output 1: power
//     ...
//   rules: 10 (1 disabled)
class RuleBaseSummary {
public:
    static std::string of(const CRuleBase& unit);

private:
    static std::string variable(const CRuleBase& unit, int signedIndex);
    static std::string vocabulary(const CRuleBase& unit, int signedIndex);
    static std::string userTerms(const CRuleBase& unit, int signedIndex);
    static std::string rules(const CRuleBase& unit);
};

}  // namespace zorv::cli
