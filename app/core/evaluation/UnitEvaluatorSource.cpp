#include "app/core/evaluation/UnitEvaluatorSource.h"

#include <stdexcept>

#include "inference/compiled/Workspace.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

class UnitPointEvaluator final : public PointEvaluator {
public:
    UnitPointEvaluator(CRuleBase& unit, UnitResponse response) : unit_(unit), response_(response) {}

    double Evaluate(std::span<const double> inputs) override {
        if (inputs.size() != static_cast<std::size_t>(unit_.AntecedentCount())) {
            throw std::invalid_argument("The rule base's input variables changed during the computation.");
        }
        return response_ == UnitResponse::Filtered ? unit_.EvaluateFiltered(inputs.data())
                                                   : unit_.Evaluate(inputs, workspace_);
    }

private:
    CRuleBase& unit_;
    UnitResponse response_;
    Workspace workspace_;
};

}  // namespace

std::unique_ptr<PointEvaluator> UnitEvaluatorSource::NewEvaluator() const {
    return std::make_unique<UnitPointEvaluator>(unit_, response_);
}

}  // namespace zorv
