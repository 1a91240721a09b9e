#pragma once

#include <string>

#include "app/core/DataTableEvaluator.h"
#include "app/core/DataTableLayout.h"

namespace zorv {

class CRuleBase;

// Connects the data table to a rule base: the columns its variables give, and the evaluation of a row.
// A row is evaluated as the test window does it: inference and defuzzification for a linguistic rule
// base, the Takagi-Sugeno inference alone for a singleton one. Many rows are evaluated on the rule base's
// compiled form, on `jobs` threads (0: every core).
class RuleBaseDataSource : public DataTableEvaluator {
public:
    explicit RuleBaseDataSource(CRuleBase& unit, int jobs = 0) : unit_(unit), jobs_(jobs) {}

    static DataTableLayout LayoutOf(const CRuleBase& unit, bool lingApprox = false);

    double Evaluate(const double* inputs) override;
    // Only a linguistic rule base describes its results; a singleton one gives empty text.
    std::string TypicalExpression(double value) const override;
    std::shared_ptr<const CompiledRuleBase> Compiled() const override;
    int Jobs() const override { return jobs_; }

private:
    CRuleBase& unit_;
    int jobs_;
};

}  // namespace zorv
