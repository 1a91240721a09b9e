#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "tuning/ParameterSpace.h"

namespace zorv {

class CRuleBase;

// What applying a vector of parameter values gives: the compiled rule base, or why the values make none.
struct AppliedParameters {
    std::unique_ptr<CRuleBase> unit;  // null when the values were refused
    std::string problem;
};

// Makes the rule base a vector of parameter values describes: a copy of the base rule base with the values set
// and every cell compiled anew; the rules, their texts, the methods and everything else stay as they are.
// Per vocabulary the user terms are set first, in the base's context, then the lingparams, then the context,
// which the user terms follow (mapped linearly, as when the variable's bounds are edited).
//
// Values that do not make a valid rule base are refused: a context that is no interval, lingparams that are not
// strictly ascending within [0, 1] or fold a word's shape over, user-term parameters out of their shape's order
// or out of the context, and cells that no longer compile (a number in a rule outside a narrowed context, say).
class ParameterApplier {
public:
    ParameterApplier(const CRuleBase& base, ParameterSpace space);
    ~ParameterApplier();

    const CRuleBase& Base() const { return *base_; }
    const ParameterSpace& Space() const { return space_; }

    AppliedParameters Apply(std::span<const double> values) const;

private:
    // The parameters of one vocabulary: their places in the vector.
    struct Group {
        int variable;
        std::vector<int> parameters;
    };

    bool Has(const Group& group, TuningParameter::Kind kind) const;
    std::string ApplyGroup(CRuleBase& unit, const Group& group, std::span<const double> values) const;
    std::string SetUserTerms(CRuleBase& unit, const Group& group, std::span<const double> values) const;
    std::string SetLingParams(CRuleBase& unit, const Group& group, std::span<const double> values) const;
    std::string SetContext(CRuleBase& unit, const Group& group, std::span<const double> values) const;

    std::unique_ptr<CRuleBase> base_;
    ParameterSpace space_;
    std::vector<Group> groups_;
};

}  // namespace zorv
