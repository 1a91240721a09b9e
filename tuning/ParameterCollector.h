#pragma once

#include <set>
#include <string>
#include <vector>

#include "tuning/TuningParameter.h"
#include "tuning/TuningScope.h"

namespace zorv {

class CBasicSettings;
class CRuleBase;

// Lists the parameters of a rule base that a tuning may move, each vocabulary once (at the first variable
// that holds it), inputs first, with default bounds that keep every candidate a valid rule base:
// - a context bound moves within share x the context's width; a symmetric context <-h, h> stays symmetric
//   (one parameter, h); a bound of a "triang" vocabulary keeps its sign, since its standard words depend on it;
//   a context keeps the numbers its rules write (RuleNumbers); linear vocabularies have nothing to move;
// - a lingparam or a parameter of a user term's shape moves at most share x the distance to its neighbour on
//   either side (the context bounds beyond the first and the last; 0 and 1 for lingparams), so that the order
//   the shapes need is kept for any share below 1/2; a gaussian width within share x itself; a lingparam's
//   interval is narrowed further to where the words keep their shapes (LingParamCheck), the others as they are.
// Variables named in `fixed` keep their vocabulary, and so do their aliases.
class ParameterCollector {
public:
    static constexpr double kDefaultShare = 0.25;

    ParameterCollector(const CRuleBase& unit, double share) : unit_(unit), share_(share) {}

    std::vector<TuningParameter> Collect(const TuningScope& scope, const std::set<std::string>& fixed) const;

    // The signed indexes of the variables that hold a vocabulary first, none of whose holders is fixed.
    std::vector<int> Owners(const std::set<std::string>& fixed) const;

private:
    void AddContext(int variable, std::vector<TuningParameter>& out) const;
    void AddLingParams(int variable, std::vector<TuningParameter>& out) const;
    void AddUserTerms(int variable, std::vector<TuningParameter>& out) const;
    void AddShape(int variable, int term, const std::string& name, const std::vector<double>& params, bool gaussian,
                  std::vector<TuningParameter>& out) const;

    const CRuleBase& unit_;
    double share_;
};

}  // namespace zorv
