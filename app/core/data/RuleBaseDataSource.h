#pragma once

#include <memory>
#include <string>

#include "app/core/data/DataTableEvaluator.h"
#include "app/core/data/DataTableLayout.h"
#include "inference/compiled/Workspace.h"

namespace zorv {

class CRuleBase;
class CSettings;

// Connects the data table to a rule base: the columns its variables give, and the evaluation of a row.
// A row is evaluated as the test window does it: inference and defuzzification for a linguistic rule
// base, the Takagi-Sugeno inference alone for a singleton one.
//
// The source is a snapshot of the rule base as it is when the source is made: its compiled form and a copy
// of the first output's vocabulary. It therefore serves a worker while the rule base is edited, and many
// rows are evaluated on `jobs` threads (0: every core).
class RuleBaseDataSource : public DataTableEvaluator {
public:
    explicit RuleBaseDataSource(const CRuleBase& unit, int jobs = 0);
    ~RuleBaseDataSource() override;

    static DataTableLayout LayoutOf(const CRuleBase& unit, bool lingApprox = false);

    double Evaluate(const double* inputs) override;
    // Only a linguistic rule base describes its results; a singleton one gives empty text.
    std::string TypicalExpression(double value) const override;
    std::shared_ptr<const CompiledRuleBase> Compiled() const override { return compiled_; }
    int Jobs() const override { return jobs_; }

private:
    std::shared_ptr<const CompiledRuleBase> compiled_;
    std::shared_ptr<const CSettings> output_;  // null unless a linguistic rule base describes its results
    int inputs_;
    int jobs_;
    Workspace workspace_;
};

}  // namespace zorv
