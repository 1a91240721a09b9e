#pragma once

#include <functional>
#include <string>

namespace zorv {

// What the data table needs of a rule base to compute its rows.
class DataTableEvaluator {
public:
    virtual ~DataTableEvaluator() = default;

    // The crisp value of output variable 0 for one value per input variable (already in context).
    virtual double Evaluate(const double* inputs) = 0;
    // The typical expression of a value of output variable 0, "-" in front for a negative value;
    // empty when the output variable has no linguistic vocabulary.
    virtual std::string TypicalExpression(double value) const = 0;
};

// Reports progress of a long loop: steps done out of the total.
using ProgressCallback = std::function<void(int done, int total)>;

}  // namespace zorv
