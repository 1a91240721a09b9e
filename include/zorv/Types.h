#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zorv {

// What the rules of a rule base conclude: evaluative expressions (linguistic), linear forms of the inputs
// (takagiSugeno) or constants (singleton).
enum class RuleBaseKind { linguistic, takagiSugeno, singleton };

enum class Side { input, output };

// One variable of a rule base: the index-th input or output.
struct VariableRef {
    Side side = Side::input;
    std::size_t index = 0;

    friend bool operator==(const VariableRef&, const VariableRef&) = default;
};

struct Variable {
    std::string name;
    double low = 0.0;  // the context <low, high>
    double high = 1.0;
    int discretization = 0;                // points its fuzzy sets are sampled on
    std::string vocabulary;                // "linguistic", "triang" or "linc"
    std::vector<std::string> userTerms;    // short names of its user-defined terms
};

// A rule: one expression per input and one per output; a disabled rule takes no part in inference.
struct Rule {
    bool enabled = true;
    std::vector<std::string> inputs;
    std::vector<std::string> outputs;
};

// An inference or defuzzification method: the key stored in files, its short name and the name shown to
// users. Any of the three selects it.
struct Method {
    std::string key;
    std::string shortName;
    std::string displayName;
};

// One evaluation in full: the crisp value of the first output, the rules that fired (indices in rule order)
// and the conclusion, the output fuzzy set sampled at the first output's discretization over its context
// (empty for takagiSugeno and singleton rule bases, which conclude a number).
struct Evaluation {
    double value = 0.0;
    std::vector<std::size_t> firedRules;
    std::vector<double> conclusion;
};

// Which hedges perception may choose from.
enum class HedgeMode {
    none,          // small, medium, big, zero
    common,        // none, very, more or less
    allButRather,  // every hedge but rather
    all,
};

enum class Connective { conjunction, disjunction };  // "and", "or"

// How learning describes a data value: approx by the best-fitting user term of its variable; pentatomy by
// the best evaluative expression after giving every variable fixed terms in the middle of its context.
enum class LearningMethod { approx, pentatomy };

// A rule learned from one data row, and that row (counted from 0).
struct LearnedRow {
    std::size_t row = 0;
    Rule rule;
};

}  // namespace zorv
