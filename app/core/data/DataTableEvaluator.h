#pragma once

#include <memory>
#include <string>

#include "app/core/evaluation/JobControl.h"

namespace zorv {

class CompiledRuleBase;

// What the data table needs of a rule base to compute its rows.
class DataTableEvaluator {
public:
    virtual ~DataTableEvaluator() = default;

    // The crisp value of output variable 0 for one value per input variable (already in context).
    virtual double Evaluate(const double* inputs) = 0;
    // The typical expression of a value of output variable 0, "-" in front for a negative value;
    // empty when the output variable has no linguistic vocabulary.
    virtual std::string TypicalExpression(double value) const = 0;

    // The compiled rule base that gives the same values as Evaluate(), for evaluating many rows on several
    // threads; null to have every row go through Evaluate() on the calling thread.
    virtual std::shared_ptr<const CompiledRuleBase> Compiled() const { return nullptr; }
    // How many threads the rows may use with Compiled() (0: every core).
    virtual int Jobs() const { return 0; }
};

}  // namespace zorv
