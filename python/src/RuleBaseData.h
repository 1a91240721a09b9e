#pragma once

#include <vector>

#include "Bindings.h"
#include "zorv/RuleBase.h"

namespace zorv::python {

// One evaluation explained: the value, the fired rules numbered from 1 as the command line and the test
// window show them, and the conclusion as arrays (x, mu), None for a rule base concluding numbers.
struct Explanation {
    double value = 0.0;
    std::vector<std::size_t> firedRules;
    py::object conclusion;
};

Explanation explanationOf(const RuleBase& rules, const Evaluation& evaluation);

// What learning made, with the learned rule base held by Python.
struct LearningResult {
    py::object ruleBase;
    int added = 0;
    std::vector<std::string> dropped;
};

LearningResult learningResultOf(Learning learning);

}  // namespace zorv::python
