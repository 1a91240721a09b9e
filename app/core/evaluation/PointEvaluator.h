#pragma once

#include <span>
#include <stop_token>

namespace zorv {

// Evaluates a rule base's crisp output at one point, one value per input variable. One object serves one
// thread at a time; an evaluation may throw (ERefused, for a request the rule base will not run).
class PointEvaluator {
public:
    virtual ~PointEvaluator() = default;
    virtual double Evaluate(std::span<const double> inputs) = 0;
    // Once stop is requested, an evaluation that would take long may end early with EStopped.
    virtual void StopWhen(std::stop_token stop) { (void)stop; }
};

}  // namespace zorv
