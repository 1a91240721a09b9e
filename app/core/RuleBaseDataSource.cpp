#include "app/core/RuleBaseDataSource.h"

#include <vector>

#include "app/core/TypicalExpression.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

DataColumnVariable ColumnOf(const CRuleBase& unit, int signedIndex) {
    return {unit.VariableName(signedIndex), unit.ContextLow(signedIndex), unit.ContextHigh(signedIndex)};
}

}  // namespace

DataTableLayout RuleBaseDataSource::LayoutOf(const CRuleBase& unit, bool lingApprox) {
    std::vector<DataColumnVariable> inputs;
    for (int k = 0; k < unit.AntecedentCount(); ++k) {
        inputs.push_back(ColumnOf(unit, k));
    }
    std::vector<DataColumnVariable> outputs;
    for (int k = 0; k < unit.SuccedentCount(); ++k) {
        outputs.push_back(ColumnOf(unit, -(k + 1)));
    }
    return DataTableLayout(std::move(inputs), std::move(outputs), lingApprox);
}

double RuleBaseDataSource::Evaluate(const double* inputs) { return unit_.Evaluate(inputs); }

std::shared_ptr<const CompiledRuleBase> RuleBaseDataSource::Compiled() const { return unit_.Compiled(); }

std::string RuleBaseDataSource::TypicalExpression(double value) const {
    if (unit_.descriptionType() != DescriptionType::linguistic || unit_.SuccedentCount() == 0) {
        return {};
    }
    return zorv::TypicalExpression::Of(unit_.Settings(-1), value);
}

}  // namespace zorv
