#include "app/core/data/RuleBaseDataSource.h"

#include <span>
#include <vector>

#include "app/core/data/TypicalExpression.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/SettingsCopy.h"

namespace zorv {

namespace {

DataColumnVariable ColumnOf(const CRuleBase& unit, int signedIndex) {
    return {unit.VariableName(signedIndex), unit.ContextLow(signedIndex), unit.ContextHigh(signedIndex)};
}

}  // namespace

RuleBaseDataSource::RuleBaseDataSource(const CRuleBase& unit, int jobs)
    : compiled_(unit.Compiled()),
      output_(unit.descriptionType() == DescriptionType::linguistic && unit.SuccedentCount() > 0
                  ? CopySettings(unit.Settings(-1))
                  : nullptr),
      inputs_(unit.AntecedentCount()),
      jobs_(jobs),
      workspace_(*compiled_) {}

RuleBaseDataSource::~RuleBaseDataSource() = default;

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

double RuleBaseDataSource::Evaluate(const double* inputs) {
    return compiled_->evaluate(std::span(inputs, static_cast<std::size_t>(inputs_)), workspace_);
}

std::string RuleBaseDataSource::TypicalExpression(double value) const {
    return output_ ? zorv::TypicalExpression::Of(*output_, value) : std::string();
}

}  // namespace zorv
