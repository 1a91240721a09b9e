#pragma once

#include <span>

namespace zorv {

// Evaluates a rule base's crisp output at one point, one value per input variable. One object serves one
// thread at a time; an evaluation may throw (ERefused, for a request the rule base will not run).
class PointEvaluator {
public:
    virtual ~PointEvaluator() = default;
    virtual double Evaluate(std::span<const double> inputs) = 0;
};

}  // namespace zorv
