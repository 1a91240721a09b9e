#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zorv {

// A rule base as the interchange formats describe it, whatever file it came from: variables with ranges and
// named membership functions, rules over them, and the operators that combine them. Readers fill it from FIS,
// FCL or FLL text; the importer maps it onto a rule base document and the exporter builds it from one for the
// writers. Names of shapes and operators use one spelling for every format (the FLL one: "Triangle",
// "Minimum", "Centroid", ...); a reader keeps a name it does not know as written, for the messages.
// Every item remembers the line it was read from (0 when it was not read from a file).

// A membership function: its shape and parameters in the order of the FLL spelling (Triangle a b c; Trapezoid
// a b c d; Gaussian mean sigma; GaussianProduct meanA sigmaA meanB sigmaB; Constant c; Linear c1 .. cn c0;
// Discrete x1 y1 x2 y2 ...).
struct ForeignTerm {
    std::string name;
    std::string shape;
    std::vector<double> params;
    int line = 0;
    // The parametric shape the point list of a Discrete term was sampled from, as stated beside it in the file
    // (written by our exporter so that the shape survives a round trip); the importer trusts it only when
    // sampling it gives the listed points. Empty shape: none stated.
    std::string originShape;
    std::vector<double> originParams;
};

// A named operator (norm, defuzzifier) with the line that chose it; empty name when the file chose none.
struct ForeignOperator {
    std::string name;
    int line = 0;
    // Defuzzifiers: the resolution or type argument as written ("200", "TakagiSugeno"), empty when none.
    std::string argument;

    bool empty() const { return name.empty(); }
};

// A yes / no setting with the line that set it.
struct ForeignFlag {
    bool on = false;
    int line = 0;
};

struct ForeignVariable {
    std::string name;
    double low = 0.0;
    double high = 1.0;
    bool ranged = false;  // whether the file gave low and high
    int line = 0;
    std::vector<ForeignTerm> terms;
    // Outputs only.
    ForeignOperator aggregation;
    ForeignOperator defuzzifier;
    std::optional<double> defaultValue;
    ForeignFlag lockRange;     // the value is clamped to the range (an input before, an output after evaluation)
    ForeignFlag lockPrevious;  // outputs: the previous value is kept when no rule fires

    // Index of the term with this name; -1 when there is none.
    int findTerm(const std::string& termName) const;
};

// "variable is [hedges] term" of a rule. term is -1 for the hedge "any" alone.
struct ForeignProposition {
    int variable = 0;
    int term = -1;
    bool negated = false;
    std::vector<std::string> hedges;  // hedges other than "not", as written, outermost first
    bool any = false;
};

// An antecedent: a proposition, or the conjunction / disjunction of two or more sub-expressions.
struct ForeignExpression {
    enum class Kind { Proposition, And, Or };
    Kind kind = Kind::Proposition;
    ForeignProposition proposition;
    std::vector<ForeignExpression> operands;
};

struct ForeignRule {
    std::optional<ForeignExpression> antecedent;  // none: a rule that conditions nothing (all inputs free)
    std::vector<ForeignProposition> consequents;   // variable indices are output indices
    double weight = 1.0;
    int line = 0;
};

struct ForeignSystem {
    enum class Type { Mamdani, Sugeno, Other };

    std::string name;
    Type type = Type::Mamdani;
    std::string typeName;  // as written, for messages about Other
    int typeLine = 0;
    ForeignOperator conjunction;
    ForeignOperator disjunction;
    ForeignOperator implication;
    ForeignOperator activation;  // which rules are activated; empty or "General": all of them
    std::vector<ForeignVariable> inputs;
    std::vector<ForeignVariable> outputs;
    std::vector<ForeignRule> rules;
    std::string description;
};

}  // namespace zorv
